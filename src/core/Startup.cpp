#include "core/Startup.h"

#include "core/Globals.h"
#include "core/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

void RemoveLeftoverUpdateFiles() {
    for (const char* name : {UpdateScriptName, BackupExecutableName}) {
        const QString path = AppPath + QLatin1String(name);
        if (QFileInfo::exists(path))
            QFile::remove(path);
    }
}

bool StartPendingUpdateScript() {
    const QString script = AppPath + QLatin1String(UpdateScriptName);
    if (!UpdatePending || !QFileInfo(script).isFile())
        return false;
    return QProcess::startDetached(QStringLiteral("/bin/sh"), {script}, AppPath);
}

bool TermsOfUseRequired() {
    return IniFile(SystemIniPath())
        .readBool(QStringLiteral("System"), QStringLiteral("DisplayAgree"), true);
}
