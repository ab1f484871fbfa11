#include "TestHttpServer.h"
#include "core/Globals.h"
#include "core/Helpers.h"
#include "core/IniFile.h"
#include "update/UpdateSession.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Old = QStringLiteral("2020-05-06 07:08");
const QString New = QStringLiteral("2026-01-02 03:04");

QByteArray bytes(int size, char seed) {
    QByteArray data(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        data[i] = char(seed + i % 97);
    return data;
}

// An installation folder and a server with a version list for it.
struct Installation {
    QTemporaryDir dir;
    TestHttpServer server;
    QStringList listed; // FileName entries of the version list
    QByteArray keep = "InfoCount=1\r\nInfoString[1]=System;DefaultLanguage\r\n";

    Installation() {
        write("System.ini", "[System]\r\nDefaultLanguage=German\r\nIniFileVersion=1.0\r\n"
                            "[HTTPURL]\r\nUrl=" +
                                server.url().toLatin1() + "\r\nFilePath=upd\r\n");
        server.setFile("/upd/System.ini", "[System]\r\nDefaultLanguage=English\r\nVersion=2.0\r\n");
        server.setFile("/upd/Data/MORELDB.db", bytes(100, 'd'));
    }
    QString path(const QString& relative) const { return dir.filePath(relative); }
    void write(const QString& relative, const QByteArray& content, const QString& stamp = {}) {
        QDir().mkpath(QFileInfo(path(relative)).absolutePath());
        QFile file(path(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        if (!stamp.isEmpty())
            QVERIFY(SetFileStamp(path(relative), stamp));
    }
    QByteArray read(const QString& relative) const {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    // Lists a file the server holds, under its backslashed relative path.
    void serve(const QString& relative, const QByteArray& content, const QString& stamp) {
        server.setFile("/upd/" + QString(relative).replace('\\', '/'), content);
        listed << relative + ';' + stamp + ";info of " + relative;
    }
    void publish() {
        QByteArray list = "[FileVersion]\r\nDataBaseVersion=1.1\r\nIniFileVersion=2.0\r\n"
                          "[FileInfo]\r\nFileCount=" +
                          QByteArray::number(listed.size()) + "\r\n";
        for (int i = 0; i < listed.size(); ++i)
            list += "FileName[" + QByteArray::number(i + 1) + "]=" + listed.at(i).toUtf8() + "\r\n";
        server.setFile("/upd/QOV_VERSION.ini", list + "[VersionInfo]\r\n" + keep);
    }
    TUpdateSession session() const { return TUpdateSession(dir.path(), dir.path() + '/'); }
};

TUpdateHooks hooks(std::function<bool()> cancelled = [] { return false; }) {
    TUpdateHooks h;
    h.Downloading = [](const QString&) {};
    h.FileProgress = [](int, int) {};
    h.ByteProgress = [](qint64, qint64) {};
    h.Installed = [](const TFileInfo&) {};
    h.Cancelled = std::move(cancelled);
    return h;
}

QStringList requestsFor(const QStringList& log, const QString& path) {
    QStringList found;
    for (const QString& line : log) {
        if (line.contains(path))
            found << line;
    }
    return found;
}

} // namespace

class TestUpdate : public QObject {
    Q_OBJECT

private slots:
    void init() { UpdatePending = false; }

    void bringsAnInstallationUpToDate() {
        Installation in;
        in.write("Language/English.xml", "current", New);
        in.write("Img/b.jpg", "a minute off", "2026-01-02 03:05");
        in.serve("Language\\English.xml", "server copy", New);
        in.serve("Img\\b.jpg", "newer b", New);
        in.serve("Img\\a.jpg", bytes(4096, 'a'), New);
        in.serve("empty.txt", "", "");
        in.serve("ZAVK", "#!/bin/sh\n", New);
        in.publish();
        TUpdateSession session = in.session();
        TUpdateClient client;
        QString error;
        QVERIFY2(session.FetchVersionList(client, &error), qPrintable(error));
        QVERIFY(QFileInfo::exists(in.path("TmpVersion.ini")));
        QCOMPARE(session.Compare(), TCompareResult::SomethingToDo);
        QStringList pending;
        for (const TFileInfo& file : session.Pending())
            pending << file.RelativePath();
        QCOMPARE(pending, QStringList({"Data/MORELDB.db", "System.ini", "Img/b.jpg", "Img/a.jpg",
                                       "empty.txt", "ZAVK"}));
        QVERIFY2(session.Download(client, hooks(), &error), qPrintable(error));

        QCOMPARE(requestsFor(in.server.log, "/upd/Img/a.jpg"),
                 QStringList({"HEAD /upd/Img/a.jpg", "GET /upd/Img/a.jpg bytes=0-2047",
                              "GET /upd/Img/a.jpg bytes=2048-4095"}));
        QCOMPARE(in.read("Img/a.jpg"), bytes(4096, 'a'));
        QCOMPARE(FileStampText(in.path("Img/a.jpg")), New);
        QCOMPARE(in.read("Language/English.xml"), QByteArray("current"));
        QCOMPARE(requestsFor(in.server.log, "empty.txt"), QStringList{"HEAD /upd/empty.txt"});
        QCOMPARE(in.read("empty.txt"), QByteArray());
        QCOMPARE(in.read("Data/MORELDB.db"), bytes(100, 'd'));
        const IniFile settings(in.path("System.ini"));
        QCOMPARE(settings.readString("System", "Version"), "2.0");
        QCOMPARE(settings.readString("System", "DefaultLanguage"), "German"); // kept
        QCOMPARE(in.read("ZAVK.bak"), QByteArray("#!/bin/sh\n"));
        QVERIFY(QFileInfo(in.path("ZAVK.bak")).isExecutable());
        QVERIFY(!QFileInfo::exists(in.path("ZAVK")));
        QCOMPARE(QString::fromUtf8(in.read("update.sh")), UpdateScriptText(in.dir.path()));
        QVERIFY(UpdatePending && session.ProgramReplaced());

        // Run as at exit, the script swaps the program in and tidies up.
        QVERIFY(AppendUpdateScriptEnd(in.path("update.sh"), in.path("ZAVK"), false));
        QCOMPARE(QProcess::execute("/bin/sh", {in.path("update.sh")}), 0);
        QCOMPARE(in.read("ZAVK"), QByteArray("#!/bin/sh\n"));
        QVERIFY(!QFileInfo::exists(in.path("update.sh")));
        QVERIFY(!QFileInfo::exists(in.path("TmpVersion.ini")));
    }

    void failedDownloadKeepsTheInstalledFile_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("connection dropped mid-file") << "drop";
        QTest::newRow("no length in the HEAD reply") << "no length";
        QTest::newRow("not on the server") << "missing";
        QTest::newRow("cancelled after the first piece") << "cancel";
    }
    void failedDownloadKeepsTheInstalledFile() {
        QFETCH(QString, fault);
        Installation in;
        in.write("Img/a.jpg", "working copy", Old);
        in.serve("Img\\a.jpg", bytes(5000, 'a'), New);
        in.publish();
        if (fault == "drop")
            in.server.dropAfter("/upd/Img/a.jpg", 2048);
        if (fault == "no length")
            in.server.omitLength("/upd/Img/a.jpg");
        if (fault == "missing")
            in.server.removeFile("/upd/Img/a.jpg");
        TUpdateSession session = in.session();
        TUpdateClient client;
        QString error;
        QVERIFY(session.FetchVersionList(client, &error));
        session.Compare();
        for (TFileInfo& file : session.List.Files)
            file.Skip = file.Name != "a.jpg";
        int pieces = 0;
        TUpdateHooks h = hooks([&] { return fault == "cancel" && pieces > 0; });
        h.ByteProgress = [&](qint64 received, qint64) { pieces += received > 0; };
        QVERIFY(!session.Download(client, h, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(in.read("Img/a.jpg"), QByteArray("working copy"));
        QCOMPARE(QDir(in.path("Img")).entryList(QDir::Files | QDir::Hidden), QStringList{"a.jpg"});
    }

    void hostileListEntryStopsEverything_data() {
        QTest::addColumn<QString>("entry");
        QTest::newRow("parent steps") << "..\\..\\outside.txt";
        QTest::newRow("parent inside") << "Img\\..\\..\\outside.txt";
        QTest::newRow("absolute") << "/tmp/outside.txt";
        QTest::newRow("drive") << "C:\\outside.txt";
        QTest::newRow("empty") << "";
    }
    void hostileListEntryStopsEverything() {
        QFETCH(QString, entry);
        Installation in;
        in.serve("Img\\a.jpg", "fine", New);
        in.listed << entry + ";" + New + ";bad";
        in.publish();
        TUpdateSession session = in.session();
        TUpdateClient client;
        QString error;
        QVERIFY(!session.FetchVersionList(client, &error));
        QVERIFY2(error.contains("FileName[2]"), qPrintable(error));
        QVERIFY(session.List.Files.isEmpty());
        QCOMPARE(in.server.log, QStringList{"GET /upd/QOV_VERSION.ini"});
    }

    void requestsGoThroughTheProxy() {
        Installation in;
        in.serve("Img\\a.jpg", bytes(3000, 'p'), New);
        in.publish();
        in.server.requireProxyLogin("shop:se'cret");
        TUpdateSession session = in.session();
        session.UrlInfo.Url = "http://updates.example.invalid/";
        session.UrlInfo.UseProxy = true;
        session.UrlInfo.ProxyAddress = "127.0.0.1";
        session.UrlInfo.ProxyPort = QString::number(in.server.port());
        session.UrlInfo.UserLogin = true;
        session.UrlInfo.UserName = "shop";
        session.UrlInfo.UserPassword = "wrong";
        TUpdateClient client;
        QString error;
        QVERIFY(client.Configure(session.UrlInfo));
        QVERIFY(!session.FetchVersionList(client, &error));
        session.UrlInfo.UserPassword = "se'cret";
        TUpdateClient again;
        QVERIFY(again.Configure(session.UrlInfo));
        QVERIFY2(session.FetchVersionList(again, &error), qPrintable(error));
        session.Compare();
        QVERIFY2(session.Download(again, hooks(), &error), qPrintable(error));
        QCOMPARE(in.read("Img/a.jpg"), bytes(3000, 'p'));
        QCOMPARE(in.server.proxiedRequests, int(in.server.log.size()));

        session.UrlInfo.ProxyPort = "80a";
        QVERIFY(!TUpdateClient().Configure(session.UrlInfo));
    }

    void proxySettingsAreWrittenAsTyped() {
        QTemporaryDir dir;
        const QString ini = dir.filePath("System.ini");
        TUrlInfo info;
        info.UseProxy = true;
        info.ProxyAddress = "proxy.shop";
        info.ProxyPort = "not a port";
        info.UserLogin = true;
        info.UserName = "me";
        info.UserPassword = "p;w=1";
        QString error;
        QVERIFY(WriteProxySettings(ini, info, &error));
        const TUrlInfo read = ReadUrlInfo(ini);
        QCOMPARE(read.ProxyPort, info.ProxyPort);
        QCOMPARE(read.UserPassword, info.UserPassword);
        QVERIFY(read.UseProxy && read.UserLogin);
    }
};

QTEST_GUILESS_MAIN(TestUpdate)
#include "tst_update.moc"
