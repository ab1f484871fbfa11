// Serves a folder over HTTP on the loopback interface, with byte ranges, as an
// update server for trying the online update by hand:
//   zavk-update-server ROOT [PORT [DELAY_MS]]
// Every file under ROOT is read once at the start and served at its relative path.
#include "TestHttpServer.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty() || arguments.size() > 3) {
        std::fprintf(stderr, "usage: zavk-update-server ROOT [PORT [DELAY_MS]]\n");
        return 2;
    }
    const QString root = QDir(arguments.at(0)).absolutePath();
    TestHttpServer server(quint16(arguments.value(1, QStringLiteral("0")).toUInt()));
    if (server.port() == 0) {
        std::fprintf(stderr, "zavk-update-server: cannot listen on the port\n");
        return 1;
    }
    server.setDelay(arguments.value(2, QStringLiteral("0")).toInt());
    int files = 0;
    for (QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly)) {
            server.setFile('/' + QDir(root).relativeFilePath(file.fileName()), file.readAll());
            ++files;
        }
    }
    std::printf("serving %d files of %s at %s\n", files, qPrintable(root),
                qPrintable(server.url()));
    std::fflush(stdout);
    return app.exec();
}
