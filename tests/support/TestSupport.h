#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <QProcessEnvironment>
#include <QStringList>

class TDMComm;

// What a program printed and how it ended; exitCode -1 when it did not finish
// within a minute, -2 when it crashed.
struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};
Run RunProgram(const QString& program, const QStringList& arguments,
               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// Runs the built zavk-cli with the arguments.
Run RunCli(const QStringList& arguments);
// The repository's folder of example history files.
QString ExamplesFolder();

// Connects to the catalogue the build made, for checks that only read it.
bool ConnectBuiltCatalogue(TDMComm& db);

// A file system of a few KiB mounted for the test's lifetime, to see writes fail
// on a full disk. Mounting needs root; where it is refused, skipReason() says why.
class TinyDisk {
public:
    explicit TinyDisk(int kibibytes);
    ~TinyDisk();
    TinyDisk(const TinyDisk&) = delete;
    TinyDisk& operator=(const TinyDisk&) = delete;

    bool mounted() const { return mounted_; }
    QString skipReason() const { return skipReason_; }
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    QString skipReason_;
};

// A throw-away program folder: AppPath points at it while the object lives.
// It can receive the built catalogue and the language files on request.
class TempProgramFolder {
public:
    TempProgramFolder();
    ~TempProgramFolder();

    QString path() const { return dir_.path() + '/'; }
    QString file(const QString& relative) const { return path() + relative; }

    void writeFile(const QString& relative, const QByteArray& content) const;
    QByteArray readFile(const QString& relative) const;
    void copyCatalogue() const;
    void copyLanguages() const;
    // The pictures the build drew: the start picture and the skin.
    void copyPictures() const;

private:
    QTemporaryDir dir_;
    QString previousAppPath_;
};
