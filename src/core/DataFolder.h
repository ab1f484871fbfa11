#pragma once

#include <QString>

// Where ZAVK keeps the files it writes (System.ini, Unit.ini, Tem.ini, the
// catalogue the settings dialog edits). The program folder while it may be
// written (the build tree, a portable copy); an installation in a folder the
// user cannot write keeps them in the user's own data folder instead, filled
// at the first start with copies of the shipped System.ini and catalogue.

// Decides the folder for the program folder AppPath and the user's data folder
// userFolder, copying what is missing there. False, with the reason, when the
// program folder is read-only and the user's folder cannot be made or filled;
// the program folder then stays in use (read-only) so that the program still runs.
bool UseDataFolder(const QString& userFolder, QString& error);

// The folder chosen, with a trailing "/"; AppPath unless UseDataFolder chose another.
QString DataPath();

// True when the folder may be written: it has a write permission bit and the
// process may write it.
bool FolderWritable(const QString& folder);

// Reports a settings write that failed, through the handler the window layer
// installs: once per run, so a read-only setup does not repeat the same message.
using TWriteFailureHandler = void (*)(const QString& error);
void SetWriteFailureHandler(TWriteFailureHandler handler);
void ReportWriteFailure(const QString& error);
