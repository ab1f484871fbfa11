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

// Connects to the catalogue the build made, for checks that only read it.
bool ConnectBuiltCatalogue(TDMComm& db);

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

private:
    QTemporaryDir dir_;
    QString previousAppPath_;
};
