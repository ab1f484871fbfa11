// The wizard as the user meets it: opening it from the start page (creation until
// page 0 is shown), a click on a circuit option, a changed condition, every Next
// button of a selection (the vacuum unit search included), the model dialog of
// calculation mode, and the result report. Each should be quick enough not to be
// noticed: under 100 ms to open or draw a report, under one frame (16 ms) for a click.
#include "TestSupport.h"
#include "app/AppStartup.h"
#include "controls/CommonDialogs.h"
#include "controls/SkinButton.h"
#include "reports/FrmPrint.h"
#include "reports/ReportPainter.h"
#include "results/HistoryWriter.h"
#include "shell/FrmMainShell.h"
#include "shell/FrmSplash.h"
#include "wizard/FrmActuatorSelection.h"
#include "wizard/FrmModelSel.h"

#include <QComboBox>
#include <QPainter>
#include <QRadioButton>
#include <QStackedWidget>
#include <QtTest>

class BenchWizard : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        folder_.copyCatalogue();
        folder_.copyLanguages();
        folder_.copyPictures();
        SetMessageHandler([](const TMessageRequest& request) {
            qWarning("message: %s", qPrintable(request.text));
            return mrOk;
        });
        objects_ = CreateApplicationObjects(splash_);
        FrmMainShell->show();
        FrmMainShell->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(FrmMainShell));
    }
    void cleanupTestCase() {
        objects_.reset();
        SetMessageHandler({});
    }

    void openTheWizard() {
        auto* startNew = FrmMainShell->findChild<TSkinButton*>("skbNew");
        QBENCHMARK {
            QVERIFY(startNew->Click());
            QVERIFY(QTest::qWaitForWindowExposed(FrmMainShell->WorkForm()));
        }
    }

    void clickACircuitOption() {
        QVERIFY(FrmMainShell->findChild<TSkinButton*>("skbNew")->Click());
        TFrmActuatorSelection* wizard = FrmMainShell->WorkForm();
        wizard->SelectCircuitRow(1);
        auto* withThrottle = wizard->findChild<QRadioButton*>("Rbjeliu_shiyoug1");
        auto* without = wizard->findChild<QRadioButton*>("Rbjeliu_bushiyoug1");
        bool on = false;
        QBENCHMARK {
            (on ? withThrottle : without)->click();
            on = !on;
        }
    }

    void changeACondition() {
        QVERIFY(FrmMainShell->findChild<TSkinButton*>("skbNew")->Click());
        auto* mass = FrmMainShell->WorkForm()->findChild<QComboBox*>("Cbgongjianzhiliang");
        int step = 0;
        QBENCHMARK {
            mass->setEditText(QString::number(1 + (++step % 9)));
        }
    }

    // The page's Next button, the pages before it passed with their own; each
    // round shows the page again and clicks.
    void nextButtons_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("response"); // typed before the click; empty: as it is
        const QStringList toPad{"SkbNext_huilu"};
        const QStringList toTube{"SkbNext_huilu", "SkbNext_PT"};
        const QStringList toEjector{"SkbNext_huilu", "SkbNext_PT", "SkbNext_Tube"};
        QTest::newRow("conditions") << 0 << QStringList() << "SkbNext_huilu" << QString();
        QTest::newRow("pad, ejector candidates") << 0 << toPad << "SkbNext_PT" << QString();
        QTest::newRow("pad, pump") << 3 << toPad << "SkbNext_PT" << QString();
        QTest::newRow("tubing to ejectors") << 0 << toTube << "SkbNext_Tube" << QString();
        QTest::newRow("tubing to valves") << 3 << toTube << "SkbNext_Tube" << QString();
        QTest::newRow("ejector to result") << 0 << toEjector << "SkbNext_EJ" << QString();
        QTest::newRow("ejector to valves") << 1 << toEjector << "SkbNext_EJ" << QString();
        QTest::newRow("vacuum unit search") << 2 << toEjector << "SkbNext_EJ" << QString();
        QTest::newRow("vacuum unit search, none fast enough") << 2 << toEjector << "SkbNext_EJ"
                                                              << "0.01";
        QTest::newRow("valves to result")
            << 1 << toEjector + QStringList{"SkbNext_EJ"} << "SkbNext_VA" << QString();
    }
    void nextButtons() {
        QFETCH(int, row);
        QFETCH(QStringList, before);
        QFETCH(QString, next);
        QFETCH(QString, response);
        QVERIFY(FrmMainShell->findChild<TSkinButton*>("skbNew")->Click());
        TFrmActuatorSelection* wizard = FrmMainShell->WorkForm();
        wizard->SelectCircuitRow(row);
        auto click = [wizard](const QString& name) {
            return wizard->findChild<TSkinButton*>(name)->Click();
        };
        for (const QString& name : before)
            QVERIFY(click(name));
        const int page = wizard->Pages()->currentIndex();
        if (!response.isEmpty())
            wizard->findChild<QComboBox*>("Cbyingdashijian")->setEditText(response);
        QBENCHMARK {
            wizard->ShowPage(page);
            QVERIFY(click(next));
        }
        QVERIFY(wizard->Pages()->currentIndex() != page || !response.isEmpty());
    }

    // A recalculation with another working vacuum, the chart drawn again.
    void recalculateWithAnotherWorkingVacuum() {
        TFrmActuatorSelection* wizard = toResult();
        auto* vacuum = wizard->findChild<QComboBox*>("CBzhenkongyl_out");
        auto* recalculate = wizard->findChild<TSkinButton*>("Btnzaijisuan");
        auto* chart = wizard->findChild<QWidget*>("Chart");
        int step = 0;
        QBENCHMARK {
            vacuum->setEditText(QString::number(-50 - (++step % 5)));
            QVERIFY(recalculate->Click());
            chart->repaint();
        }
    }

    // Opening a saved selection from the start page to its shown result.
    void openAHistoryFile() {
        TFrmActuatorSelection* wizard = toResult();
        const QString path = folder_.file("bench.SEL");
        QString error;
        QVERIFY(WriteHistoryFile(path, wizard->HistoryState(), &error));
        SetFileChooser([path](const QString&) { return std::optional<QString>(path); });
        auto* history = FrmMainShell->findChild<TSkinButton*>("skbHistory");
        QBENCHMARK {
            QVERIFY(history->Click());
            QCOMPARE(FrmMainShell->WorkForm()->Pages()->currentIndex(), int(wpResult));
        }
        SetFileChooser({});
    }

    // The model dialog laid out for a product and both of its lists filled, the
    // current product preselected, shown and drawn.
    void openTheModelDialog_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("circuit");
        QTest::addColumn<int>("systemCat");
        QTest::newRow("pad") << int(mkPad) << "1" << 1;
        QTest::newRow("ejector, radios from its models") << int(mkEjector) << "1" << 1;
        QTest::newRow("vacuum unit") << int(mkEjector) << "6" << 3;
        QTest::newRow("supply valve") << int(mkSupplyValve) << "3" << 2;
        QTest::newRow("switching valve, every valve walked") << int(mkSwitchingValve) << "3b" << 2;
    }
    void openTheModelDialog() {
        QFETCH(int, kind);
        QFETCH(QString, circuit);
        QFETCH(int, systemCat);
        const TModelChoiceRequest request{kind, circuit, systemCat, "1", {}, "ASIA", "", ""};
        FrmModelSel->show();
        QBENCHMARK {
            FrmModelSel->Prepare(request, QStringLiteral("bench"));
            FrmModelSel->repaint();
        }
        FrmModelSel->hide();
        QVERIFY(!FrmModelSel->findChild<QWidget*>("sgModelNo")->isHidden());
    }

    // The report filled from the result page and drawn as an A4 page at 300 dpi,
    // as a printer takes it; and written as a PDF file.
    void fillAndDrawTheReport() {
        TFrmPrint dialog(toResult()->ReportSource());
        QImage page(2480, 3508, QImage::Format_RGB32);
        QBENCHMARK {
            QPainter painter(&page);
            PaintReport(painter, page.rect(), dialog.FillReport());
        }
    }
    void writeTheReportAsPdf() {
        TFrmPrint dialog(toResult()->ReportSource());
        const QString path = folder_.file("bench.pdf");
        QBENCHMARK {
            QVERIFY(WriteReportPdf(path, dialog.FillReport(), nullptr));
        }
    }

private:
    // A new selection of the first circuit through every page to its result.
    TFrmActuatorSelection* toResult() {
        [] { QVERIFY(FrmMainShell->findChild<TSkinButton*>("skbNew")->Click()); }();
        TFrmActuatorSelection* wizard = FrmMainShell->WorkForm();
        for (const char* next : {"SkbNext_huilu", "SkbNext_PT", "SkbNext_Tube", "SkbNext_EJ"})
            wizard->findChild<TSkinButton*>(next)->Click();
        return wizard;
    }

    TempProgramFolder folder_;
    TFrmSplash splash_;
    std::unique_ptr<TApplicationObjects> objects_;
};

QTEST_MAIN(BenchWizard)
#include "bench_wizard.moc"
