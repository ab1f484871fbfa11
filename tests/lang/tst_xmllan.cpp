#include "TestSupport.h"
#include "lang/XMLLan.h"

#include <QtTest>

#include <sys/stat.h>

namespace {
const QByteArray Sample = R"(<?xml version="1.0" encoding="UTF-8"?>
<L>
  <Forms FontName="Noto Sans" CharSet="0">
    <FrmMainShell>
      <I ItemName="skbNew.Caption" value="New"/>
      <I ItemName="skbNew.Caption" value="second"/>
    </FrmMainShell>
  </Forms>
  <Messages>
    <ThreeLines><Line><![CDATA[a]]></Line><Line><![CDATA[b]]></Line><Line>c</Line></ThreeLines>
    <OneCData><![CDATA[x
y]]></OneCData>
    <Empty/>
  </Messages>
  <Data>
    <SERIES>
      <SERIES_Name3>Flat pads</SERIES_Name3>
      <SERIES_Note3><Line><![CDATA[one]]></Line><Line><![CDATA[two]]></Line></SERIES_Note3>
    </SERIES>
  </Data>
</L>
)";

QByteArray nested(int depth) {
    return "<L>" + QByteArray("<a>").repeated(depth) + QByteArray("</a>").repeated(depth) + "</L>";
}
} // namespace

class TestXmlLan : public QObject {
    Q_OBJECT

private slots:
    void lookups() {
        TempProgramFolder folder;
        folder.writeFile("Language/Test.xml", Sample);
        const TXMLLan lan(folder.file("Language/Test.xml"));
        QVERIFY(lan.LoadError().isEmpty());
        QCOMPARE(lan.FontName(), QString("Noto Sans"));
        QCOMPARE(lan.GetFormItemText("FrmMainShell", "skbNew.Caption"), QString("New"));
        QCOMPARE(lan.GetFormItemText("FrmMainShell", "skbnew.caption"), QString());
        QCOMPARE(lan.GetFormItemText("NoScreen", "skbNew.Caption"), QString());
        QCOMPARE(lan.GetMessageText("ThreeLines"), QString("a\rb\rc"));
        QCOMPARE(lan.GetMessageText("OneCData"), QString("x\ny"));
        QCOMPARE(lan.GetMessageText("Empty"), QString());
        QCOMPARE(lan.GetMessageText("Missing"), QString());
        QCOMPARE(lan.GetDataText("SERIES", "3", "SERIES_Name"), QString("Flat pads"));
        QCOMPARE(lan.GetDataText("SERIES", "4", "SERIES_Name"), QString());
        QStringList lines{"keep"};
        QVERIFY(!lan.GetDataLines("SERIES", "4", lines, "SERIES_Note"));
        QCOMPARE(lines, QStringList{"keep"});
        QVERIFY(lan.GetDataLines("SERIES", "3", lines, "SERIES_Note"));
        QCOMPARE(lines, QStringList({"one", "two"}));
    }

    void brokenFileFallsBackToEnglish_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("create");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("truncated") << Sample.left(Sample.size() / 2) << true;
        QTest::newRow("binary") << QByteArray("\x00\x01\xff", 3) << true;
    }
    void brokenFileFallsBackToEnglish() {
        QFETCH(QByteArray, content);
        QFETCH(bool, create);
        TempProgramFolder folder;
        folder.writeFile("Language/English.xml", Sample);
        if (create)
            folder.writeFile("Language/German.xml", content);
        const TXMLLan lan(folder.file("Language/German.xml"));
        QVERIFY(lan.Loaded());
        QVERIFY(lan.LoadError().contains("German.xml"));
        QCOMPARE(lan.GetMessageText("ThreeLines"), QString("a\rb\rc"));
    }

    void specialOrHostileFileFallsBackToEnglish_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("fifo");
        QTest::newRow("fifo") << QByteArray() << true;
        QTest::newRow("over 8 MiB") << "<L>" + QByteArray(9 << 20, ' ') + "</L>" << false;
        QTest::newRow("200000 levels deep") << nested(200000) << false;
        QTest::newRow("200000 elements")
            << "<L>" + QByteArray("<a/>").repeated(200000) + "</L>" << false;
    }
    void specialOrHostileFileFallsBackToEnglish() {
        QFETCH(QByteArray, content);
        QFETCH(bool, fifo);
        TempProgramFolder folder;
        folder.writeFile("Language/English.xml", Sample);
        const QString german = folder.file("Language/German.xml");
        if (fifo)
            QCOMPARE(mkfifo(QFile::encodeName(german).constData(), 0600), 0);
        else
            folder.writeFile("Language/German.xml", content);
        QElapsedTimer timer;
        timer.start();
        const TXMLLan lan(german);
        QVERIFY(timer.elapsed() < 5000);
        QVERIFY(lan.FallbackUsed());
        QVERIFY(lan.LoadError().contains("German.xml"));
        QCOMPARE(lan.GetMessageText("ThreeLines"), QString("a\rb\rc"));
    }

    void reportsWhichFileIsUsed_data() {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QByteArray>("english");
        QTest::addColumn<QString>("used");
        QTest::addColumn<QStringList>("named");
        const QByteArray broken = "<L><broken";
        QTest::newRow("German loads") << "German" << broken << "German" << QStringList();
        QTest::newRow("missing file")
            << "Missing" << Sample << "English" << QStringList{"Missing.xml"};
        QTest::newRow("missing, English broken")
            << "Missing" << broken << "" << QStringList{"Missing.xml", "English.xml"};
        QTest::newRow("English broken") << "English" << broken << "" << QStringList{"English.xml"};
    }
    void reportsWhichFileIsUsed() {
        QFETCH(QString, requested);
        QFETCH(QByteArray, english);
        QFETCH(QString, used);
        QFETCH(QStringList, named);
        TempProgramFolder folder;
        folder.writeFile("Language/German.xml", Sample);
        folder.writeFile("Language/English.xml", english);
        const TXMLLan lan(folder.file("Language/" + requested + ".xml"));
        QCOMPARE(lan.LoadedFile(),
                 used.isEmpty() ? QString() : folder.file("Language/" + used + ".xml"));
        QCOMPARE(lan.FallbackUsed(), used == "English");
        QCOMPARE(lan.Loaded(), !used.isEmpty());
        for (const QString& name : named)
            QVERIFY2(lan.LoadError().contains(name), qPrintable(lan.LoadError()));
        QCOMPARE(lan.LoadError().isEmpty(), named.isEmpty());
    }

    void noFileAtAllGivesEmptyTexts() {
        TempProgramFolder folder;
        TXMLLan lan(folder.file("Language/English.xml"));
        QVERIFY(!lan.Loaded());
        QCOMPARE(lan.GetMessageText("MSG006"), QString());
        QCOMPARE(lan.GetFormItemText("FrmMainShell", "x"), QString());
        folder.writeFile("Language/Test.xml", Sample);
        lan.SwitchFile(folder.file("Language/Test.xml"));
        QCOMPARE(lan.GetMessageText("Empty"), QString());
        QVERIFY(lan.Loaded());
    }
};

QTEST_GUILESS_MAIN(TestXmlLan)
#include "tst_xmllan.moc"
