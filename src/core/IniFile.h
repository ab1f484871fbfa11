#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <utility>

// INI text file with the semantics the settings and history files need:
// section and key names are matched case-insensitively, the first occurrence
// of a key wins, values are trimmed. A write changes one line (or adds one)
// and keeps every other byte of the file as it was, its encoding (UTF-8 with
// or without a byte-order mark, UTF-16) and its line ends (CR LF, LF or CR) too;
// the file is replaced atomically, so a failed write never leaves a truncated
// file behind. Read-modify-write runs under a lock file, so two processes
// writing keys of the same file keep each other's keys.
class IniFile {
public:
    // Reads the file at once; a missing, unreadable, oversized or special file
    // (device, FIFO) reads as empty, with the reason in errorString().
    explicit IniFile(QString path, QByteArray newFileLineEnd = "\n");

    const QString& path() const { return path_; }
    bool exists() const { return exists_; }

    bool hasKey(const QString& section, const QString& key) const;
    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue = QString()) const;
    // Decimal integer; anything else (empty, text, overflow) gives the default.
    int readInteger(const QString& section, const QString& key, int defaultValue) const;
    // An integer where any non-zero value is true.
    bool readBool(const QString& section, const QString& key, bool defaultValue) const;
    // Keys of a section in file order (first spelling of each), empty when absent.
    QStringList keys(const QString& section) const;

    // Writes one key. The file is re-read first, so writes of other objects are kept.
    // Returns false (and leaves the file untouched, the reason in errorString())
    // when it cannot be written: no write permission bit at all, a full disk,
    // a special file, or a file that could not be read first.
    bool writeString(const QString& section, const QString& key, const QString& value);
    // Writes several keys of a section at once: one lock, one replacement of the file.
    using TKeyValues = QList<std::pair<QString, QString>>;
    bool writeStrings(const QString& section, const TKeyValues& values);
    bool writeInteger(const QString& section, const QString& key, int value);

    QString errorString() const { return error_; }

    // Every key of the first section of that name in INI text, keyed in lower case,
    // the first occurrence of each: one pass over the text, for readers that need
    // many keys of one file (history files).
    static QHash<QString, QString> SectionValues(const QByteArray& content, const QString& section);

    // Files larger than this are not read; writing to them is refused.
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

    // How the file's bytes encode its text, kept so that a write encodes it the same way.
    struct Encoding {
        enum Kind { Utf8, Utf16LE, Utf16BE } kind = Utf8;
        QByteArray byteOrderMark; // as found at the start of the file, or empty
    };

private:
    struct Location {
        qsizetype sectionLine = -1; // index of the "[section]" line, -1 when absent
        qsizetype keyLine = -1;     // index of the first "key=" line in it, -1 when absent
        qsizetype lastLine = -1;    // last non-blank line of the section
    };

    bool load();
    bool writeLocked(const QString& section, const TKeyValues& values);
    void setLine(const QString& section, const QString& key, const QString& value);
    Location locate(const QString& section, const QString& key) const;
    QByteArray serialise() const;

    QString path_;
    QByteArray newFileLineEnd_;
    QByteArray lineEnd_;
    QList<QByteArray> lines_;
    bool endsWithLineEnd_ = true;
    Encoding encoding_;
    bool exists_ = false;
    QString error_;
};
