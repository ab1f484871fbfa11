#include "TestSupport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The value of a key of a history file.
QString keyOf(const QByteArray& file, const QByteArray& key) {
    for (const QByteArray& line : file.split('\n')) {
        if (line.startsWith(key + '='))
            return QString::fromUtf8(line.mid(key.size() + 1)).trimmed();
    }
    return {};
}

} // namespace

class TestCliReport : public QObject {
    Q_OBJECT
private slots:
    // Every example gives a one-page PDF, and its HTML page names the products and
    // shows every output as `calc` words it.
    void everyExampleReports_data() {
        QTest::addColumn<QString>("file");
        for (const QString& name : QDir(ExamplesFolder()).entryList(QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(name)) << ExamplesFolder() + '/' + name;
    }
    void everyExampleReports() {
        QFETCH(QString, file);
        QTemporaryDir folder;
        const QString pdf = folder.filePath("report.pdf");
        const Run written = RunCli({"report", "--title", "Line 4", "--pdf", pdf, file});
        QCOMPARE(written.exitCode, 0);
        QCOMPARE(readFile(pdf).count("/Type /Page\n"), 1);
        QCOMPARE(RunCli({"report", "--html", folder.filePath("html/page"), file}).exitCode, 0);
        const QString page = QString::fromUtf8(readFile(folder.filePath("html/page.html")));
        const QByteArray history = readFile(file);
        for (const char* key : {"CalcInput.PT_Name", "CalcInput.Tube_Name", "CalcInput.EJ_Name"}) {
            const QString model = keyOf(history, key);
            QVERIFY2(model.isEmpty() || page.contains(model.toHtmlEscaped()), key);
        }
        const QJsonObject calc =
            QJsonDocument::fromJson(RunCli({"calc", "--json", file}).out.toUtf8()).object();
        for (const QJsonValue& output : calc.value("display").toArray()) {
            const QJsonObject o = output.toObject();
            const QString shown =
                (o.value("text").toString() + ' ' + o.value("unit").toString()).trimmed();
            QVERIFY2(page.contains(shown.toHtmlEscaped()), qPrintable(shown));
        }
    }

    // Wrong usage exits with 2, a file that cannot be used with 1 and no output file.
    void refusals() {
        QTemporaryDir folder;
        const QString pdf = folder.filePath("r.pdf");
        const QString example = ExamplesFolder() + "/vacuum-unit.CAL";
        QCOMPARE(RunCli({"report", example}).exitCode, 2);
        QCOMPARE(RunCli({"report", "--pdf", pdf, "--html", folder.filePath("h"), example}).exitCode,
                 2);
        QCOMPARE(RunCli({"report", "--lang", "Klingon", "--pdf", pdf, example}).exitCode, 2);
        QCOMPARE(RunCli({"report", "--pdf", pdf, folder.filePath("missing.SEL")}).exitCode, 1);
        QVERIFY(!QFile::exists(pdf));
    }
};

QTEST_GUILESS_MAIN(TestCliReport)
#include "tst_cli_report.moc"
