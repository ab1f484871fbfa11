#include "core/Helpers.h"

#include "core/FileAccess.h"
#include "core/IniFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

#ifndef ZAVK_VERSION
#define ZAVK_VERSION "0.0.0"
#endif

namespace {

// The version mark searched for by FileVersionText; kept in the executable on purpose.
[[gnu::used]] const char VersionMark[] = "ZAVK-FileVersion:" ZAVK_VERSION "\n";

// Built at run time so that the search text itself never stands in the binary.
QByteArray versionMarkPrefix() {
    return QByteArray("ZAVK-File") + QByteArray("Version:");
}

QString majorMinor(const QByteArray& version) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d+)\\.(\\d+)"));
    const auto match = pattern.match(QString::fromLatin1(version));
    if (!match.hasMatch())
        return QString();
    return match.captured(1) + '.' + match.captured(2);
}

QString trimBlanksAndControls(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= ' ')
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= ' ')
        --end;
    return text.mid(begin, end - begin);
}

// Changes the decimal separator in the value of the line text[begin, end):
// after its first "=", unless the line holds SQL text or a JOINT key.
void convertValue(QByteArray& text, qsizetype begin, qsizetype end, char from, char to) {
    const QByteArrayView line = QByteArrayView(text).sliced(begin, end - begin);
    if (line.contains("SpconRBaseSql") || line.contains("SpconLBaseSql") || line.contains("JOINT"))
        return;
    const qsizetype eq = line.indexOf('=');
    if (eq < 0)
        return;
    for (qsizetype i = begin + eq + 1; i < end; ++i) {
        if (text[i] == from)
            text[i] = to;
    }
}

} // namespace

QString GetPiece(const QString& text, const QString& separator, int n) {
    if (n <= 0 || separator.isEmpty())
        return QString();
    QString work = trimBlanksAndControls(text) + separator;
    for (int round = 1;; ++round) {
        const qsizetype at = work.indexOf(separator);
        if (at < 0)
            return QString();
        if (round == n)
            return work.left(at);
        work.remove(0, at + separator.size());
    }
}

bool RegionName(int index, QString& name) {
    static const char* const names[] = {"ASIA", "EUROPE", "SOUTHAMERICA", "NORTHAMERICA"};
    if (index < 0 || index > 3)
        return false;
    name = QLatin1String(names[index]);
    return true;
}

QString SqlNumber(double value) {
    if (!std::isfinite(value))
        return QStringLiteral("NULL");
    return QString::number(value, 'g', 15);
}

bool IsIntegerText(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("^[+-]?\\d{1,18}$"));
    return pattern.match(text).hasMatch();
}

QString ProgramVersionText() {
    return majorMinor(QByteArray(VersionMark).mid(versionMarkPrefix().size()));
}

QString FileVersionText(const QString& filePath) {
    QFile file(filePath);
    if (!QFileInfo(filePath).isFile() || !file.open(QIODevice::ReadOnly))
        return QString();
    const uchar* data = file.map(0, file.size());
    if (!data)
        return QString();
    const QByteArrayView content(reinterpret_cast<const char*>(data), file.size());
    const QByteArray prefix = versionMarkPrefix();
    const qsizetype at = content.indexOf(prefix);
    if (at < 0)
        return QString();
    return majorMinor(
        content.sliced(at + prefix.size(), qMin<qsizetype>(32, content.size() - at - prefix.size()))
            .toByteArray());
}

QString FileStampText(const QString& filePath) {
    const QFileInfo info(filePath);
    if (!info.exists())
        return QString();
    return info.lastModified().toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm"));
}

bool SetFileStamp(const QString& filePath, const QString& timeText) {
    if (timeText.trimmed().isEmpty())
        return true;
    QDateTime stamp = QDateTime::fromString(timeText.trimmed(), QStringLiteral("yyyy-MM-dd hh:mm"));
    if (!stamp.isValid())
        return false;
    stamp.setTimeSpec(Qt::LocalTime);
    // Opening a FIFO would wait for a writer; only regular files carry our stamps.
    if (!QFileInfo(filePath).isFile())
        return false;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // A file system without birth times simply keeps it; the other two must be set.
    file.setFileTime(stamp, QFileDevice::FileBirthTime);
    return file.setFileTime(stamp, QFileDevice::FileModificationTime) &&
           file.setFileTime(stamp, QFileDevice::FileAccessTime);
}

bool ConvertDecimalSeparator(const QString& sourcePath, const QString& targetPath, int mode) {
    if (mode != 0 && mode != 1)
        return false;
    QByteArray content;
    QString error;
    if (!ReadRegularFile(sourcePath, IniFile::MaxFileSize, content, error))
        return false;

    const char from = mode == 0 ? '.' : ',';
    const char to = mode == 0 ? ',' : '.';
    // Lines end with LF, CR LF or a lone CR; each is converted in place, so every
    // other byte, line ends included, stays as it was.
    for (qsizetype begin = 0; begin < content.size();) {
        qsizetype end = begin;
        while (end < content.size() && content.at(end) != '\n' && content.at(end) != '\r')
            ++end;
        convertValue(content, begin, end, from, to);
        begin = end + 1;
    }

    // The old target stays in place until the new one is complete.
    return WriteFileAtomically(targetPath, content, error);
}

bool IsOneOf(const QString& text, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (text == QLatin1String(name))
            return true;
    }
    return false;
}

bool IsCatalogueCode(const QString& text) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9._-]+$"));
    return plain.match(text).hasMatch();
}
