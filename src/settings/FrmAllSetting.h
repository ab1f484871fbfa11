#pragma once

#include "controls/FrmShell.h"
#include "settings/PresetValues.h"
#include "settings/UnitSchemes.h"

#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QStackedWidget;
class QStandardItemModel;
class QTableView;
class QTableWidget;
class QTreeWidget;
class TDMComm;
class TSkinButton;

// Grids whose first row holds the headings, as the language file gives them:
// the headings are shown in the grid's header, which stays in sight.
void SetGridHeadings(QTableWidget* grid, const QStringList& designed);
void ShowGridHeadings(QTableWidget* grid);

// The settings dialog: preset values of the input boxes, language and sales
// region, unit schemes and version information. Every catalogue change it makes
// lives in one transaction from its creation to the save question: Yes commits,
// No, Cancel and the caption-bar close roll it back. The main window reads the
// three results after the dialog has closed.
class TFrmAllSetting : public TFrmShell {
    Q_OBJECT
public:
    explicit TFrmAllSetting(TDMComm& db, QWidget* parent = nullptr);
    ~TFrmAllSetting() override;

    bool SettingsAccepted() const { return settingsAccepted_; }
    bool UnitSettingsChanged() const { return unitSettingsChanged_; }
    bool PresetsChanged() const { return presetsChanged_; }
    // False when the catalogue cannot be written: presets and schemes are then
    // shown but not editable.
    bool CatalogueWritable() const { return writable_; }

    // The save question, then the saving on Yes; the dialog closes either way.
    void accept() override;
    // Leaves without saving: everything done in the catalogue is rolled back.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFrame();
    QWidget* buildGeneralPage();
    QWidget* buildLanguagePage();
    QWidget* buildSchemePage();
    QWidget* buildAboutPage();
    void showPage(int page);
    void showHint(const QString& hint);
    void showHelp();
    void finishTransaction(bool commit);
    void saveSettings();
    void writeSystemIni();

    // General page
    void changeModel();
    void selectItem(int row);
    QString currentParaId() const;
    void fillUnitList();
    void changeUnit(int index);
    void showPresets();
    void presetEdited(int row);
    void addPreset();
    void deletePreset();
    bool refused(TPresetCheck check);

    // Language page
    void initLanguagePage();
    void selectLanguage();

    // Scheme page
    void fillSchemeList();
    void schemeListHovered(const QPoint& position);
    void selectScheme(int row);
    void reselectScheme(int row);
    void fillSchemeDetails();
    void selectDetail(int row);
    void placeUnitChooser();
    void unitChosen();
    void addScheme();
    void renameScheme();
    void deleteScheme();
    void schemeFailed(const char* key, const QString& error);
    QString schemeCell(int row, int column) const;

    TDMComm& db_;
    bool transactionOpen_ = false;
    bool writable_ = true;
    bool settingsAccepted_ = false;
    bool unitSettingsChanged_ = false;
    bool presetsChanged_ = false;
    bool languagePageReady_ = false;
    bool filling_ = false;
    QString baseTitle_;
    QString modelId_;
    QList<TPresetItem> items_;
    QList<TPresetUnit> units_;
    std::unique_ptr<TPresetList> presets_;
    QList<TSchemeRow> schemes_;
    QList<TSchemeDetailRow> details_;
    QString currentSchemeId_;
    int schemeRow_ = -1;
    bool schemeEditable_ = false;

    std::array<TSkinButton*, 4> pageButtons_{};
    QStackedWidget* nbMain;
    QLabel* LabHint;
    QWidget* BitBtnClose;
    // General page
    QComboBox* cboModel;
    QTableWidget* SgUnit;
    QLabel* labDrop;
    QComboBox* cboUnitList;
    QLabel* labUnitItem;
    QLabel* labInputRange;
    QTableView* dbgUnitItem;
    QStandardItemModel* presetModel_;
    QWidget* sbAdd;
    QWidget* sbDelete;
    // Language page
    QTreeWidget* lvLanguage;
    QCheckBox* cbDefault;
    QComboBox* cboAreaProduct;
    // Scheme page
    QComboBox* CmbModule;
    QTableWidget* SgUnitGroup;
    QLabel* LabNewUnit;
    QTableWidget* SgUnitGroupDetail;
    QComboBox* CmbCheck;
    QWidget* BitBtnAdd;
    QWidget* BitBtnMod;
    QWidget* BitBtnDel;
    // About page
    QLabel* LblVersion;
    QLabel* Label1;
};
