#include "TestSupport.h"

#include <QtTest>

// zavk-cli units: the unit tables as the value boxes show them.
namespace {

const QString Cli = QStringLiteral(ZAVK_PROGRAM_DIR "/zavk-cli");

Run runUnits(const QStringList& arguments, const QString& locale = QStringLiteral("C.UTF-8")) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", locale);
    return RunProgram(Cli, QStringList{"units"} + arguments, environment);
}

} // namespace

class TestCliUnits : public QObject {
    Q_OBJECT

private slots:
    void listsUnitsInIndexOrderInTheLocaleFormat_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("separator");
        QTest::newRow("decimal point") << "C.UTF-8"
                                       << ".";
        QTest::newRow("decimal comma") << "de_DE.UTF-8"
                                       << ",";
    }
    void listsUnitsInIndexOrderInTheLocaleFormat() {
        QFETCH(QString, locale);
        QFETCH(QString, separator);
        const Run result = runUnits({"111", "118"}, locale);
        QCOMPARE(result.exitCode, 0);
        const QStringList lines = result.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.value(0), QString("Parameter 111, category 1"));
        QVERIFY(lines.value(1).startsWith("  0  kPa  "));
        QString mpa = "  1  MPa           * decimals 2  range (0~1]  default 0.4  "
                      "presets 0.3 0.35 0.4 0.45 0.5 0.6";
        QCOMPARE(lines.value(2), mpa.replace('.', separator));
        QString working = "  1  MPa             decimals 4  range [-0.1~0]  default -0.06";
        QVERIFY2(result.out.contains(working.replace('.', separator)), qPrintable(result.out));
        QVERIFY(result.out.indexOf("Parameter 111") < result.out.indexOf("Parameter 118"));
    }

    void withoutParametersListsAll() {
        const Run english = runUnits({});
        QCOMPARE(english.exitCode, 0);
        for (const char* para : {"100,", "105,", "113,", "123,", "1000,"})
            QVERIFY2(english.out.contains(QString("Parameter ") + para), para);
        QVERIFY(english.out.contains("  0  pcs           * decimals 0  range [1~100]"));
    }

    void captionsFollowTheLanguageInAnyLetterCase_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("caption");
        QTest::newRow("German") << "German"
                                << "Stk.";
        QTest::newRow("german") << "german"
                                << "Stk.";
        QTest::newRow("english") << "english"
                                 << "pcs";
        QTest::newRow("JAPANESE") << "JAPANESE"
                                  << "\u500b";
    }
    void captionsFollowTheLanguageInAnyLetterCase() {
        QFETCH(QString, language);
        QFETCH(QString, caption);
        const Run result = runUnits({"--lang", language, "105"});
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.out.contains("  0  " + caption + " "), qPrintable(result.out));
    }

    void wrongUsageAndUnknownParameters_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown parameter")
            << QStringList{"111", "4242"} << 4 << "no parameter 4242 in the catalogue";
        QTest::newRow("missing catalogue")
            << QStringList{"--db", "/nonexistent/x.db"} << 1 << "/nonexistent/x.db";
        QTest::newRow("unknown language") << QStringList{"--lang", "Klingon"} << 2 << "Klingon";
        QTest::newRow("not a number") << QStringList{"11x"} << 2 << "'11x'";
    }
    void wrongUsageAndUnknownParameters() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const Run result = runUnits(arguments);
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
    }
};

QTEST_GUILESS_MAIN(TestCliUnits)
#include "tst_cli_units.moc"
