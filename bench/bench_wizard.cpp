// The wizard as the user meets it: opening it from the start page (creation until
// page 0 is shown), a click on a circuit option, and a changed condition. Each
// should be quick enough not to be noticed: under 100 ms to open, under one
// frame (16 ms) for a click.
#include "TestSupport.h"
#include "app/AppStartup.h"
#include "controls/CommonDialogs.h"
#include "controls/SkinButton.h"
#include "shell/FrmMainShell.h"
#include "shell/FrmSplash.h"
#include "wizard/FrmActuatorSelection.h"

#include <QComboBox>
#include <QRadioButton>
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

private:
    TempProgramFolder folder_;
    TFrmSplash splash_;
    std::unique_ptr<TApplicationObjects> objects_;
};

QTEST_MAIN(BenchWizard)
#include "bench_wizard.moc"
