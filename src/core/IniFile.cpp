#include "core/IniFile.h"

#include "core/FileAccess.h"

#include <QFileInfo>
#include <QLockFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <utility>

namespace {

struct ParsedLine {
    enum Kind { Other, Section, Key } kind = Other;
    QString name;
    QString value;
};

ParsedLine parseLine(const QByteArray& raw) {
    const QByteArray line = raw.trimmed();
    ParsedLine parsed;
    if (line.startsWith('[')) {
        const qsizetype close = line.indexOf(']');
        if (close > 0) {
            parsed.kind = ParsedLine::Section;
            parsed.name = QString::fromUtf8(line.mid(1, close - 1)).trimmed();
        }
        return parsed;
    }
    if (line.startsWith(';') || line.startsWith('#'))
        return parsed;
    const qsizetype eq = line.indexOf('=');
    if (eq > 0) {
        parsed.kind = ParsedLine::Key;
        parsed.name = QString::fromUtf8(line.left(eq)).trimmed();
        parsed.value = QString::fromUtf8(line.mid(eq + 1)).trimmed();
    }
    return parsed;
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The text of a file as UTF-8 lines, and how to write it back the same way.
struct DecodedText {
    QList<QByteArray> lines;
    QByteArray lineEnd;
    bool endsWithLineEnd = true;
    IniFile::Encoding encoding;
};

IniFile::Encoding detectEncoding(const QByteArray& raw) {
    using Encoding = IniFile::Encoding;
    for (const auto& [mark, kind] :
         {std::pair{"\xEF\xBB\xBF", Encoding::Utf8}, std::pair{"\xFF\xFE", Encoding::Utf16LE},
          std::pair{"\xFE\xFF", Encoding::Utf16BE}}) {
        if (raw.startsWith(mark))
            return {kind, mark};
    }
    // UTF-16 without a byte-order mark: the file starts with two ASCII characters.
    const auto ascii = [](char c) { return c >= '\t' && c <= '~'; };
    if (raw.size() >= 4 && raw.size() % 2 == 0) {
        if (ascii(raw[0]) && raw[1] == 0 && ascii(raw[2]) && raw[3] == 0)
            return {Encoding::Utf16LE, {}};
        if (raw[0] == 0 && ascii(raw[1]) && raw[2] == 0 && ascii(raw[3]))
            return {Encoding::Utf16BE, {}};
    }
    return {};
}

QStringConverter::Encoding utf16(const IniFile::Encoding& encoding) {
    return encoding.kind == IniFile::Encoding::Utf16LE ? QStringConverter::Utf16LE
                                                       : QStringConverter::Utf16BE;
}

QByteArray toUtf8(const QByteArray& raw, const IniFile::Encoding& encoding) {
    const QByteArray body = raw.mid(encoding.byteOrderMark.size());
    if (encoding.kind == IniFile::Encoding::Utf8)
        return body;
    QStringDecoder decode(utf16(encoding), QStringConverter::Flag::ConvertInitialBom);
    return QString(decode(body)).toUtf8();
}

QByteArray fromUtf8(const QByteArray& text, const IniFile::Encoding& encoding) {
    if (encoding.kind == IniFile::Encoding::Utf8)
        return encoding.byteOrderMark + text;
    QStringEncoder encode(utf16(encoding));
    return encoding.byteOrderMark + QByteArray(encode(QString::fromUtf8(text)));
}

// Lines end with CR LF, LF or a lone CR; the first line end found is the file's.
DecodedText decode(const QByteArray& raw, const QByteArray& newFileLineEnd) {
    DecodedText text;
    text.encoding = detectEncoding(raw);
    const QByteArray content = toUtf8(raw, text.encoding);
    text.lineEnd = newFileLineEnd;
    bool lineEndSeen = false;
    qsizetype begin = 0;
    for (qsizetype i = 0; i < content.size(); ++i) {
        const char c = content.at(i);
        if (c != '\n' && c != '\r')
            continue;
        const bool crlf = c == '\r' && i + 1 < content.size() && content.at(i + 1) == '\n';
        if (!lineEndSeen) {
            text.lineEnd = crlf ? "\r\n" : QByteArray(1, c);
            lineEndSeen = true;
        }
        text.lines.append(content.mid(begin, i - begin));
        if (crlf)
            ++i;
        begin = i + 1;
    }
    text.endsWithLineEnd = begin == content.size();
    if (!text.endsWithLineEnd)
        text.lines.append(content.mid(begin));
    return text;
}

} // namespace

IniFile::IniFile(QString path, QByteArray newFileLineEnd)
    : path_(std::move(path)), newFileLineEnd_(std::move(newFileLineEnd)) {
    load();
}

bool IniFile::load() {
    lines_.clear();
    lineEnd_ = newFileLineEnd_;
    endsWithLineEnd_ = true;
    encoding_ = Encoding();
    error_.clear();
    const QFileInfo info(path_);
    exists_ = info.exists() || info.isSymLink();
    if (!exists_)
        return true;
    QByteArray content;
    if (!ReadRegularFile(path_, MaxFileSize, content, error_)) {
        error_ = QStringLiteral("cannot read %1: %2").arg(path_, error_);
        return false;
    }
    const DecodedText text = decode(content, newFileLineEnd_);
    lines_ = text.lines;
    lineEnd_ = text.lineEnd;
    endsWithLineEnd_ = text.endsWithLineEnd;
    encoding_ = text.encoding;
    return true;
}

IniFile::Location IniFile::locate(const QString& section, const QString& key) const {
    Location at;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const ParsedLine parsed = parseLine(lines_.at(i));
        if (parsed.kind == ParsedLine::Section) {
            if (at.sectionLine >= 0)
                break; // the first section of that name ended
            if (sameName(parsed.name, section))
                at.sectionLine = at.lastLine = i;
            continue;
        }
        if (at.sectionLine < 0)
            continue;
        if (!lines_.at(i).trimmed().isEmpty())
            at.lastLine = i;
        if (at.keyLine < 0 && parsed.kind == ParsedLine::Key && sameName(parsed.name, key))
            at.keyLine = i;
    }
    return at;
}

bool IniFile::hasKey(const QString& section, const QString& key) const {
    return locate(section, key).keyLine >= 0;
}

QString IniFile::readString(const QString& section, const QString& key,
                            const QString& defaultValue) const {
    const Location at = locate(section, key);
    if (at.keyLine < 0)
        return defaultValue;
    return parseLine(lines_.at(at.keyLine)).value;
}

int IniFile::readInteger(const QString& section, const QString& key, int defaultValue) const {
    bool ok = false;
    const int value = readString(section, key).toInt(&ok);
    return ok ? value : defaultValue;
}

bool IniFile::readBool(const QString& section, const QString& key, bool defaultValue) const {
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

QStringList IniFile::keys(const QString& section) const {
    QStringList result;
    const Location at = locate(section, QString());
    if (at.sectionLine < 0)
        return result;
    for (qsizetype i = at.sectionLine + 1; i < lines_.size(); ++i) {
        const ParsedLine parsed = parseLine(lines_.at(i));
        if (parsed.kind == ParsedLine::Section)
            break;
        if (parsed.kind == ParsedLine::Key && !result.contains(parsed.name, Qt::CaseInsensitive))
            result.append(parsed.name);
    }
    return result;
}

QByteArray IniFile::serialise() const {
    QByteArray out;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        out += lines_.at(i);
        if (i + 1 < lines_.size() || endsWithLineEnd_)
            out += lineEnd_;
    }
    return fromUtf8(out, encoding_);
}

bool IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    return writeStrings(section, {{key, value}});
}

bool IniFile::writeStrings(const QString& section, const TKeyValues& values) {
    // Another process may be between reading and writing the same file: without
    // the lock the later writer would drop the key the earlier one wrote.
    QLockFile lock(path_ + QStringLiteral(".lock"));
    lock.setStaleLockTime(30000);
    if (!lock.tryLock(10000)) {
        error_ =
            QStringLiteral("cannot write %1: its lock file %1.lock cannot be taken").arg(path_);
        return false;
    }
    return writeLocked(section, values);
}

bool IniFile::writeLocked(const QString& section, const TKeyValues& values) {
    if (!load())
        return false;
    for (const auto& [key, value] : values)
        setLine(section, key, value);
    QString error;
    if (!WriteFileAtomically(path_, serialise(), error)) {
        load(); // the file on disk is unchanged; forget the edit
        error_ = error;
        return false;
    }
    exists_ = true;
    return true;
}

void IniFile::setLine(const QString& section, const QString& key, const QString& value) {
    const Location at = locate(section, key);
    const QByteArray valueBytes = value.trimmed().toUtf8();
    if (at.keyLine >= 0) {
        QByteArray& line = lines_[at.keyLine];
        line = line.left(line.indexOf('=') + 1) + valueBytes;
        return;
    }
    const QByteArray keyLine = key.toUtf8() + '=' + valueBytes;
    if (at.sectionLine >= 0) {
        lines_.insert(at.lastLine + 1, keyLine);
    } else {
        lines_.append('[' + section.toUtf8() + ']');
        lines_.append(keyLine);
    }
    endsWithLineEnd_ = true;
}

bool IniFile::writeInteger(const QString& section, const QString& key, int value) {
    return writeString(section, key, QString::number(value));
}

QHash<QString, QString> IniFile::SectionValues(const QByteArray& content, const QString& section) {
    QHash<QString, QString> values;
    bool inSection = false;
    for (const QByteArray& line : decode(content, "\n").lines) {
        const ParsedLine parsed = parseLine(line);
        if (parsed.kind == ParsedLine::Section) {
            if (inSection)
                break; // the first section of that name ended
            inSection = sameName(parsed.name, section);
        } else if (inSection && parsed.kind == ParsedLine::Key) {
            const QString key = parsed.name.toLower();
            if (!values.contains(key)) // the first occurrence counts
                values.insert(key, parsed.value);
        }
    }
    return values;
}
