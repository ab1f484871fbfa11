#include "IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

// A file without any write bit is read-only, also for root (who may write it anyway).
bool hasNoWritePermission(const QString& path) {
    const QFileInfo info(path);
    constexpr auto anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.exists() && !(info.permissions() & anyWrite);
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
    error_.clear();
    QFile file(path_);
    exists_ = file.exists();
    if (!exists_)
        return true;
    if (file.size() > MaxFileSize) {
        error_ = QStringLiteral("%1 is larger than %2 bytes").arg(path_).arg(MaxFileSize);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error_ = file.errorString();
        return false;
    }
    const QByteArray content = file.readAll();
    if (content.isEmpty())
        return true;
    const qsizetype firstNewline = content.indexOf('\n');
    if (firstNewline >= 0)
        lineEnd_ = (firstNewline > 0 && content.at(firstNewline - 1) == '\r') ? "\r\n" : "\n";
    lines_ = content.split('\n');
    endsWithLineEnd_ = content.endsWith('\n');
    if (endsWithLineEnd_)
        lines_.removeLast();
    for (QByteArray& line : lines_) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
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
    return out;
}

bool IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    if (!load())
        return false;
    if (hasNoWritePermission(path_)) {
        error_ = QStringLiteral("%1 is read-only").arg(path_);
        return false;
    }
    const Location at = locate(section, key);
    const QByteArray valueBytes = value.trimmed().toUtf8();
    if (at.keyLine >= 0) {
        QByteArray& line = lines_[at.keyLine];
        line = line.left(line.indexOf('=') + 1) + valueBytes;
    } else {
        const QByteArray keyLine = key.toUtf8() + '=' + valueBytes;
        if (at.sectionLine >= 0) {
            lines_.insert(at.lastLine + 1, keyLine);
        } else {
            lines_.append('[' + section.toUtf8() + ']');
            lines_.append(keyLine);
        }
        endsWithLineEnd_ = true;
    }

    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(serialise()) < 0 || !file.commit()) {
        error_ = file.errorString();
        load(); // the file on disk is unchanged; forget the edit
        return false;
    }
    exists_ = true;
    return true;
}

bool IniFile::writeInteger(const QString& section, const QString& key, int value) {
    return writeString(section, key, QString::number(value));
}

QHash<QString, QString> IniFile::SectionValues(const QByteArray& content, const QString& section) {
    QHash<QString, QString> values;
    bool inSection = false;
    for (const QByteArray& line : content.split('\n')) {
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
