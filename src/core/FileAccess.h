#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes with every failure reported. Settings files,
// history files, language files and exports all go through these two, so a
// device, a FIFO, an oversized file or a full disk is handled the same way
// everywhere.

// Reads the regular file at path, of at most maxSize bytes, into content.
// Folders, devices, FIFOs and sockets are refused without blocking on them,
// and at most maxSize + 1 bytes are ever read, so /dev/zero behind a symbolic
// link cannot fill the memory. False with a message in error otherwise.
bool ReadRegularFile(const QString& path, qint64 maxSize, QByteArray& content, QString& error);

// True when the file or folder has a write permission bit. One without any counts
// as read-only, also for root, who could write it anyway.
bool HasWritePermissionBit(const QString& path);

// Replaces the file at path with content, atomically: either the new content is
// complete on disk, or the old file is left as it was. Refused when an existing
// file has no write permission bit (also for root) or is not a regular file.
// A short write, a failed flush (full disk) or a failed rename gives false with
// the reason in error.
bool WriteFileAtomically(const QString& path, const QByteArray& content, QString& error);
