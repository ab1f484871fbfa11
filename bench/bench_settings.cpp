// The settings dialog as the user meets it: opening it (its transaction, the
// model, item, unit, scheme and detail lists filled), and a click on another item
// of the preset grid, which reads that item's units and presets. Opening should
// stay under 100 ms, a click under one frame (16 ms).
#include "TestSupport.h"
#include "controls/CommonDialogs.h"
#include "core/DMComm.h"
#include "settings/FrmAllSetting.h"
#include "shell/FrmMainShell.h"

#include <QTableWidget>
#include <QtTest>

class BenchSettings : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        folder_.copyCatalogue();
        folder_.copyLanguages();
        folder_.writeFile("System.ini", "[System]\nDefaultLanguage=English\n");
        SetMessageHandler([](const TMessageRequest&) { return mrNo; });
        DMComm = &db_;
        window_ = std::make_unique<TFrmMainShell>();
    }
    void cleanupTestCase() {
        window_.reset();
        DMComm = nullptr;
        SetMessageHandler({});
    }

    void openTheDialog() {
        QBENCHMARK {
            TFrmAllSetting dialog(db_, window_.get());
            dialog.show();
            QCoreApplication::processEvents();
        }
    }

    void switchAPresetItem() {
        TFrmAllSetting dialog(db_, window_.get());
        dialog.show();
        auto* items = dialog.findChild<QTableWidget*>("SgUnit");
        int row = 0;
        QBENCHMARK {
            items->setCurrentCell(1 + (++row % (items->rowCount() - 1)), 1);
        }
    }

private:
    TempProgramFolder folder_;
    TDMComm db_;
    std::unique_ptr<TFrmMainShell> window_;
};

QTEST_MAIN(BenchSettings)
#include "bench_settings.moc"
