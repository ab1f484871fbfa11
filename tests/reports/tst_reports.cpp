#include "reports/FrmResultNote.h"
#include "reports/ReportContent.h"
#include "reports/ReportHtml.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// A result page of texts: every control shows its own name, except those given.
TResultPageSource pageOf(TOperateType mode, const QMap<QString, QString>& texts,
                         const QStringList& shown) {
    TResultPageSource page;
    page.Mode = mode;
    page.Text = [texts](const QString& name) { return texts.value(name, name); };
    page.Shown = [shown](const QString& name) { return shown.contains(name); };
    return page;
}

} // namespace

class TstReports : public QObject {
    Q_OBJECT
private slots:
    // Eight lines, an empty one and the closing line; a missing text leaves its
    // line empty, so the note keeps its shape.
    void resultNoteKeepsTenLines() {
        const QStringList lines = ResultNoteLines([](const QString& item) {
            return item == "EdtCaclResultNote3.Caption" ? QString() : item.left(18);
        });
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines[0], QStringLiteral("EdtCaclResultNote1"));
        QCOMPARE(lines[2], QString());
        QCOMPARE(lines[8], QString());
        QCOMPARE(lines[9], QStringLiteral("EdtCaclResultNote9"));
    }

    // The report's rows by mode and category, from the page's texts.
    void reportRowsFollowModeAndCategory() {
        const QMap<QString, QString> empty{{"CBzhenkongyl_out", ""}, {"Edtgongyingyali_in", ""}};
        const TReportContent selection =
            FillReport(pageOf(TOperateType::otSelect, empty, {"LblCircuitNote"}), {});
        QCOMPARE(selection.Outputs[4].Label, QString("LblBiaoZhunYaLI_out:"));
        QCOMPARE(selection.Outputs[4].Value, QString("EdtBiaoZhunYaLI_out BtnBiaoZhunYaLI_out"));
        QCOMPARE(selection.Outputs[1].Value, QString("Edtanquanlv_out")); // a factor, no unit
        QCOMPARE(selection.Outputs[6].Value, QString());   // no working vacuum entered
        QCOMPARE(selection.Inputs[5].Value, QString(" ")); // no release pressure: one blank
        QCOMPARE(selection.Inputs[0].Label, QString("Lblyingdashijian_in:"));
        QCOMPARE(selection.CircuitNote, QString("LblCircuitNote"));
        const TReportContent pump =
            FillReport(pageOf(TOperateType::otCalc, {}, {"Lblbiyaozhenkongbengliuliang_out"}), {});
        QCOMPARE(pump.Outputs[4].Label, QString("Lblbiyaozhenkongbengliuliang_out:"));
        QVERIFY(pump.Outputs[5].Label.isEmpty() && pump.Outputs[5].Value.isEmpty());
        QCOMPARE(pump.Inputs[0].Label, QString("LblGongJianZhiLiang_in:"));
        QVERIFY(pump.Inputs[8].Label.isEmpty() && pump.Inputs[9].Label.isEmpty());
        QVERIFY(pump.CircuitNote.isEmpty());
    }

    // The page and its two pictures, named after the page; a second export
    // replaces them.
    void htmlExportNamesItsPictures() {
        QTemporaryDir root;
        const QString folder = root.filePath("new folder");
        TReportContent report;
        report.Title = "Line <4>";
        for (int round = 0; round < 2; ++round) {
            QString error;
            QVERIFY2(WriteReportHtml(folder, "my report", report, &error), qPrintable(error));
        }
        QDir dir(folder);
        QCOMPARE(dir.entryList(QDir::Files, QDir::Name),
                 QStringList({"my report.html", "my report.html_QRImage1.jpg",
                              "my report.html_QRImage2.jpg"}));
        QFile html(dir.filePath("my report.html"));
        QVERIFY(html.open(QIODevice::ReadOnly));
        const QByteArray page = html.readAll();
        QVERIFY(page.contains("src=\"my%20report.html_QRImage1.jpg\""));
        QVERIFY(page.contains("src=\"my%20report.html_QRImage2.jpg\""));
        QVERIFY(page.contains("Line &lt;4&gt;"));
    }
};

QTEST_MAIN(TstReports)
#include "tst_reports.moc"
