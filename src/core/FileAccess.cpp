#include "core/FileAccess.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Opens without blocking (a FIFO with no writer would block an ordinary open)
// and accepts the file only when the opened object is a regular file.
int openRegularFile(const QString& path, QString& error) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = systemError();
        return -1;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        error = S_ISDIR(status.st_mode) ? QStringLiteral("it is a folder")
                                        : QStringLiteral("it is not a regular file");
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

bool HasWritePermissionBit(const QString& path) {
    constexpr auto anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return QFileInfo(path).permissions() & anyWrite;
}

bool ReadRegularFile(const QString& path, qint64 maxSize, QByteArray& content, QString& error) {
    content.clear();
    const int fd = openRegularFile(path, error);
    if (fd < 0)
        return false;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        error = file.errorString();
        ::close(fd);
        return false;
    }
    content = file.read(maxSize + 1);
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        content.clear();
        return false;
    }
    if (content.size() > maxSize) {
        error = QStringLiteral("it is larger than %1 bytes").arg(maxSize);
        content.clear();
        return false;
    }
    return true;
}

bool WriteFileAtomically(const QString& path, const QByteArray& content, QString& error) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        error = QStringLiteral("%1 is not a regular file").arg(path);
        return false;
    }
    if (info.exists() && !HasWritePermissionBit(path)) {
        error = QStringLiteral("%1 is read-only").arg(path);
        return false;
    }
    QSaveFile file(path);
    // QSaveFile::commit() may report success although its closing flush failed,
    // so the write is checked in full and flushed before the commit.
    const bool written = file.open(QIODevice::WriteOnly) && file.write(content) == content.size() &&
                         file.flush() && file.commit();
    if (written)
        return true;
    error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    file.cancelWriting();
    return false;
}
