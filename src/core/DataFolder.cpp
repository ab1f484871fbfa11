#include "core/DataFolder.h"

#include "core/FileAccess.h"
#include "core/Globals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString chosenFolder;
TWriteFailureHandler writeFailureHandler = nullptr;
bool writeFailureReported = false;

// The shipped files the user's folder receives when it has none of its own.
const char* const SeededFiles[] = {"System.ini", CatalogueFileName};

bool seed(const QString& folder, QString& error) {
    for (const char* name : SeededFiles) {
        const QString target = folder + QLatin1String(name);
        const QString source = AppPath + QLatin1String(name);
        if (QFileInfo::exists(target) || !QFileInfo(source).isFile())
            continue;
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(source, target)) {
            error = QStringLiteral("cannot copy %1 to %2").arg(source, target);
            return false;
        }
        // A copy of a read-only installation file is read-only too; ours is written.
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    }
    return true;
}

} // namespace

bool FolderWritable(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable() && HasWritePermissionBit(folder);
}

bool UseDataFolder(const QString& userFolder, QString& error) {
    chosenFolder.clear();
    writeFailureReported = false;
    if (FolderWritable(AppPath))
        return true;
    const QString folder = QDir::cleanPath(userFolder) + '/';
    if (userFolder.isEmpty() || !QDir().mkpath(folder) || !FolderWritable(folder)) {
        error = QStringLiteral("The program folder %1 is read-only and the data folder %2 cannot "
                               "be written: settings cannot be saved.")
                    .arg(AppPath, userFolder);
        return false;
    }
    if (!seed(folder, error))
        return false;
    chosenFolder = folder;
    return true;
}

QString DataPath() {
    return chosenFolder.isEmpty() ? AppPath : chosenFolder;
}

void SetWriteFailureHandler(TWriteFailureHandler handler) {
    writeFailureHandler = handler;
}

void ReportWriteFailure(const QString& error) {
    if (writeFailureReported || !writeFailureHandler)
        return;
    writeFailureReported = true;
    writeFailureHandler(error);
}
