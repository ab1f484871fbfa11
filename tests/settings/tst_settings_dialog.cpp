#include "../shell/MessageRecorder.h"
#include "TestSupport.h"
#include "controls/SkinButton.h"
#include "controls/SpeedButtonEx.h"
#include "core/DMComm.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "lang/XMLLan.h"
#include "settings/BaseClass.h"
#include "settings/FrmAllSetting.h"
#include "shell/FrmMainShell.h"
#include "wizard/FrmActuatorSelection.h"

#include <QCheckBox>
#include <QComboBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

namespace {

// A program folder with its own catalogue, the main window over it, and the
// settings dialog as the settings button opens it.
struct Fixture {
    TempProgramFolder folder;
    MessageRecorder messages;
    TDMComm db;
    std::unique_ptr<TFrmMainShell> window;
    std::unique_ptr<TFrmAllSetting> dialog;

    explicit Fixture(const QByteArray& systemIni = "[System]\nDefaultLanguage=English\n") {
        folder.copyCatalogue();
        folder.copyLanguages();
        folder.writeFile("System.ini", systemIni);
        DMComm = &db;
        window = std::make_unique<TFrmMainShell>();
    }
    ~Fixture() {
        dialog.reset();
        window.reset();
        DMComm = nullptr;
    }
    void open(TDMComm::TOpenMode mode = TDMComm::TOpenMode::ReadWrite) {
        if (mode == TDMComm::TOpenMode::ReadOnly)
            QVERIFY(db.ConnectDB(folder.file("Data/MORELDB.db"), mode));
        dialog = std::make_unique<TFrmAllSetting>(db, window.get());
        dialog->show();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    }
    template <typename T = QWidget> T* child(const char* name) const {
        return dialog->findChild<T*>(QLatin1String(name));
    }
    bool click(const char* name) const { return child<TSkinButton>(name)->Click(); }
    // Counts rows in the file through a connection of its own, outside the dialog's transaction.
    QString countInFile(const QString& where) const {
        TDMComm reader;
        TDataTable rows;
        if (!reader.ConnectDB(folder.file("Data/MORELDB.db"), TDMComm::TOpenMode::ReadOnly) ||
            !reader.GetDataPacket("SELECT count(*) FROM " + where, rows))
            return "<error>";
        return rows.RowAt(0).value(0).toString();
    }
};

} // namespace

class TestSettingsDialog : public QObject {
    Q_OBJECT

private slots:
    void init() { OperateType = TOperateType::otSelect; }

    void onlyYesKeepsTheChanges_data() {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<bool>("kept");
        QTest::newRow("yes") << "yes" << true;
        QTest::newRow("no") << "no" << false;
        QTest::newRow("caption-bar close") << "close" << false;
        QTest::newRow("escape") << "escape" << false;
    }
    void onlyYesKeepsTheChanges() {
        QFETCH(QString, ending);
        QFETCH(bool, kept);
        Fixture f;
        f.open();
        const QString presets = f.countInFile("CommonValue");
        QVERIFY(f.click("sbAdd"));
        QVERIFY(AddScheme(f.db, "Imperial shop", "psi", nullptr));
        QCOMPARE(f.countInFile("CommonValue"), presets); // not yet in the file
        f.messages.answer = ending == "yes" ? mrYes : mrNo;
        if (ending == "close")
            QVERIFY(f.dialog->CloseButton()->Click());
        else if (ending == "escape")
            QTest::keyClick(f.dialog.get(), Qt::Key_Escape);
        else
            f.dialog->accept();
        QVERIFY(!f.dialog->isVisible());
        QCOMPARE(f.db.TransactionLevel(), 0);
        QCOMPARE(f.countInFile("CommonValue"), QString::number(presets.toInt() + (kept ? 1 : 0)));
        QCOMPARE(f.countInFile("UnitSchemeMaster WHERE SchemeName='Imperial shop'"),
                 kept ? "1" : "0");
        QCOMPARE(f.dialog->SettingsAccepted(), kept);
        QCOMPARE(f.messages.requests.size(), ending.size() <= 3 ? 1 : 0); // the save question
    }

    void refusedPresetShowsWhyAndStaysForCorrection() {
        Fixture f;
        f.open();
        auto* presets = f.child<QTableView>("dbgUnitItem");
        auto* model = static_cast<QStandardItemModel*>(presets->model());
        model->item(0, 0)->setText("10001");
        QCOMPARE(f.messages.texts().value(0),
                 BaseClass->Lan->GetMessageText("MSG0021") + "1-10000");
        QCOMPARE(model->item(0, 0)->text(), "10001");
        QTest::keyClick(presets, Qt::Key_Escape); // drops the typed row, not the dialog
        QVERIFY(f.dialog->isVisible());
        QCOMPARE(model->item(0, 0)->text(), "1");
        presets->setCurrentIndex(model->index(1, 0));
        QVERIFY(f.click("sbDelete"));
        QCOMPARE(model->rowCount(), 6); // the catalogue's own presets stay
    }

    void languagePage() {
        Fixture f;
        f.open();
        // OK and Yes without a visit keeps the language and reports it accepted.
        f.messages.answer = mrYes;
        f.dialog->accept();
        QVERIFY(f.dialog->SettingsAccepted());
        QCOMPARE(BaseClass->Language, "English");
        QCOMPARE(IniFile(f.folder.file("System.ini")).readString("System", "AreaProduct"), "0");

        f.open();
        QVERIFY(f.click("BitBtnLanguage"));
        auto* languages = f.child<QTreeWidget>("lvLanguage");
        BaseClass->Available[9] = false; // Russian
        QVERIFY(QFile::remove(f.folder.file("Language/Korean.xml")));
        for (int row : {9, 2}) { // switched off; without its file
            languages->setCurrentItem(languages->topLevelItem(row));
            QVERIFY(languages->selectedItems().isEmpty());
        }
        QVERIFY(!f.child<QComboBox>("cboAreaProduct")->isEnabled());
        languages->setCurrentItem(languages->topLevelItem(0)); // Japanese
        QVERIFY(f.child<QComboBox>("cboAreaProduct")->isEnabled());
        QVERIFY(f.child<QCheckBox>("cbDefault")->isEnabled());
        QVERIFY(!f.child<QCheckBox>("cbDefault")->isChecked());
        f.child<QComboBox>("cboAreaProduct")->setCurrentIndex(2);
        f.dialog->accept();
        QCOMPARE(BaseClass->Language, "Japanese");
        QCOMPARE(BaseClass->AreaProduct, 2);
        QCOMPARE(IniFile(f.folder.file("System.ini")).readString("System", "DefaultLanguage"),
                 "English"); // not made the default
    }

    void schemePage() {
        Fixture f("[System]\nDefaultSchemeID=2\nUnitFreedom=0\n");
        f.open();
        QVERIFY(f.click("BitBtnUnit"));
        auto* schemes = f.child<QTableWidget>("SgUnitGroup");
        auto* details = f.child<QTableWidget>("SgUnitGroupDetail");
        auto* chooser = f.child<QComboBox>("CmbCheck");
        QCOMPARE(schemes->currentRow(), FirstListedRow);
        QCOMPARE(schemes->rowCount(), FirstListedRow + 1); // "Standard" shown once
        details->setCurrentCell(2, 1);
        QVERIFY(chooser->isVisible());
        chooser->setCurrentIndex(chooser->findText("MPa"));
        emit chooser->activated(chooser->currentIndex());
        QCOMPARE(details->item(2, 1)->text(), "MPa");

        schemes->setCurrentCell(FixedSchemeRow, 0);
        details->setCurrentCell(2, 1);
        QVERIFY(!chooser->isVisible());
        QVERIFY(!f.child("BitBtnDel")->isEnabled());
        QVERIFY(details->rowCount() > 2); // the fixed scheme's units are listed all the same

        schemes->setCurrentCell(FreeChoiceRow, 0);
        f.messages.answer = mrYes;
        f.dialog->accept();
        QVERIFY(f.dialog->UnitSettingsChanged());
        QCOMPARE(BaseClass->DefaultSchemeID, 0);
        QVERIFY(BaseClass->UnitFreedom);
    }

    // Through the settings button: the chosen scheme is written to "System.ini",
    // and the next wizard starts in its units and offers the added preset.
    void acceptedSchemeReachesTheNextWizard() {
        Fixture f;
        f.messages.answer = mrYes;
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<TFrmAllSetting*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            emit dialog->findChild<TSkinButton*>("sbAdd")->clicked(); // response time: 0 s
            dialog->findChild<QTableWidget*>("SgUnitGroup")->setCurrentCell(FirstListedRow, 0);
            dialog->accept();
        });
        emit f.window->findChild<TSkinButton*>("skbOtherSet")->clicked();
        const IniFile settings(f.folder.file("System.ini"));
        QCOMPARE(settings.readString("System", "UnitFreedom"), "0");
        QCOMPARE(settings.readString("System", "DefaultSchemeID"), "2");
        emit f.window->findChild<TSkinButton*>("skbNew")->clicked();
        QVERIFY(f.window->WorkForm());
        QCOMPARE(f.window->WorkForm()->findChild<TSpeedButtonEx*>("Btngongjianzhiliang")->text(),
                 "lb");
        auto* responseTime = f.window->WorkForm()->findChild<QComboBox*>("Cbyingdashijian");
        QCOMPARE(responseTime->itemText(responseTime->count() - 1), "0");
        QCOMPARE(responseTime->count(), 7);
    }

    void readOnlyCatalogueIsSaidOnceAndLanguageStillWorks() {
        Fixture f;
        f.open(TDMComm::TOpenMode::ReadOnly);
        QCOMPARE(f.messages.texts(), QStringList{BaseClass->Lan->GetMessageText("MSGSETREADONLY")});
        for (const char* button : {"sbAdd", "sbDelete", "BitBtnAdd", "BitBtnMod", "BitBtnDel"})
            QVERIFY2(!f.child(button)->isEnabled(), button);
        QVERIFY(f.click("BitBtnLanguage"));
        auto* languages = f.child<QTreeWidget>("lvLanguage");
        languages->setCurrentItem(languages->topLevelItem(6)); // German
        f.child<QCheckBox>("cbDefault")->setChecked(true);
        f.messages.answer = mrYes;
        f.dialog->accept();
        QCOMPARE(f.messages.requests.size(), 2); // and no failure at saving
        QCOMPARE(IniFile(f.folder.file("System.ini")).readString("System", "DefaultLanguage"),
                 "German");
    }
};

QTEST_MAIN(TestSettingsDialog)
#include "tst_settings_dialog.moc"
