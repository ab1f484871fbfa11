#include "TestSupport.h"

#include "core/DMComm.h"
#include "core/Globals.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <unistd.h>

TempProgramFolder::TempProgramFolder() : previousAppPath_(AppPath) {
    QVERIFY2(dir_.isValid(), "no temporary folder");
    AppPath = path();
}

TempProgramFolder::~TempProgramFolder() {
    AppPath = previousAppPath_;
}

void TempProgramFolder::writeFile(const QString& relative, const QByteArray& content) const {
    const QString target = file(relative);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile out(target);
    QVERIFY2(out.open(QIODevice::WriteOnly), qPrintable(target));
    out.write(content);
}

QByteArray TempProgramFolder::readFile(const QString& relative) const {
    QFile in(file(relative));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

void TempProgramFolder::copyCatalogue() const {
    QDir().mkpath(file("Data"));
    QVERIFY(QFile::copy(QStringLiteral(ZAVK_TEST_DB), file("Data/MORELDB.db")));
    QFile::setPermissions(file("Data/MORELDB.db"), QFile::ReadOwner | QFile::WriteOwner);
}

void TempProgramFolder::copyLanguages() const {
    QDir().mkpath(file("Language"));
    const QDir source(QStringLiteral(ZAVK_TEST_LANGUAGE_DIR));
    for (const QString& name : source.entryList({"*.xml"}, QDir::Files))
        QVERIFY(QFile::copy(source.filePath(name), file("Language/" + name)));
}

void TempProgramFolder::copyPictures() const {
    const QDir source(QStringLiteral(ZAVK_PROGRAM_DIR "/Img"));
    QDirIterator files(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString relative = "Img/" + source.relativeFilePath(files.next());
        QDir().mkpath(QFileInfo(file(relative)).path());
        QVERIFY(QFile::copy(files.filePath(), file(relative)));
    }
}

TinyDisk::TinyDisk(int kibibytes) {
    if (geteuid() != 0) {
        skipReason_ = QStringLiteral("mounting a small file system needs root");
        return;
    }
    const Run mount = RunProgram(
        QStringLiteral("mount"),
        {"-t", "tmpfs", "-o", QStringLiteral("size=%1k").arg(kibibytes), "tmpfs", dir_.path()});
    mounted_ = mount.exitCode == 0;
    if (!mounted_)
        skipReason_ = QStringLiteral("cannot mount a small file system: ") + mount.err;
}

TinyDisk::~TinyDisk() {
    if (mounted_)
        RunProgram(QStringLiteral("umount"), {dir_.path()});
}

Run RunCli(const QStringList& arguments) {
    return RunProgram(QStringLiteral(ZAVK_PROGRAM_DIR "/zavk-cli"), arguments);
}

QString ExamplesFolder() {
    return QDir::cleanPath(QStringLiteral(ZAVK_TEST_DATA_DIR "/../../examples"));
}

bool ConnectBuiltCatalogue(TDMComm& db) {
    return db.ConnectDB(QStringLiteral(ZAVK_TEST_DB));
}

Run RunProgram(const QString& program, const QStringList& arguments,
               const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}
