#pragma once

#include "reports/ReportContent.h"

#include "calc/CalcCircuit.h"
#include "controls/ValueEntry.h"
#include "results/HistoryFile.h"
#include "results/HistoryWriter.h"
#include "wizard/CatalogueRows.h"
#include "wizard/WizardContext.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStackedWidget;
class QTableWidget;
class QVBoxLayout;
class TFlowStrip;
class TResultChart;
struct TResultFigures;
class TSkinButton;
class TSpeedButtonEx;

// The wizard window: six pages (conditions, pad, tubing, ejector, valves,
// result) under the flow diagram of the system, in selection or calculation
// mode. The rules live in its context; this window holds the controls, copies
// between them and the context, and moves between the pages.
class TFrmActuatorSelection : public QWidget {
    Q_OBJECT
public:
    // mainShell: the main window's hooks the wizard uses.
    struct TShellHooks {
        std::function<void()> ShowMainPage;          // a Cancel button
        std::function<void(const QString&)> SetHint; // the status line
        std::function<void(int)> SetProgress;        // the creation gauge
        std::function<void()> ModeChanged;           // the mode's title
    };
    explicit TFrmActuatorSelection(QWidget* parent = nullptr, TShellHooks hooks = {});
    ~TFrmActuatorSelection() override;

    TWizardContext& Context() { return context_; }
    bool RestoredFromHistory() const { return context_.RestoredFromHistory; }
    void SetRestoredFromHistory(bool restored) { context_.RestoredFromHistory = restored; }
    QStackedWidget* Pages() const { return Notebook1; }
    TFlowStrip* FlowStrip() const { return Nbsetup; }
    void ShowPage(int page);
    // The run as a history file keeps it: the record, the wizard's values, the controls.
    THistoryState HistoryState() const;
    // What the report takes from the result page.
    TResultPageSource ReportSource() const;
    // Restores a fresh wizard from a run read and checked whole; calculates nothing.
    void LoadHistory(const THistoryRun& run);
    // The result of a restored run, calculated as its mode's last Next does.
    void ShowResult() {
        OperateType == TOperateType::otSelect ? showResultPage() : nextFromHuilu();
    }
    const TCalcSession& Session() const { return session_; }
    // Keeps the units shown for the next wizard of this mode, while units are free.
    void SaveUnits() const;

    // Selects a row of the system grid as a click does.
    void SelectCircuitRow(int row);
    // The values of the inputs, as the calculation reads them.
    TConditionValues ConditionValues() const;

signals:
    void pageChanged(int page);

private:
    void createPages();
    QWidget* buildHuiluPage();
    QWidget* buildCircuitChoice(QWidget* parent);
    QWidget* buildOptionPages(QWidget* parent);
    QWidget* buildConditions(QWidget* parent);
    QWidget* buildEquipmentPanel(QWidget* parent);
    QWidget* navigationRow(QWidget* page, const QStringList& names);
    // A series page: the left column beside the circuit diagram and the series
    // picture, the navigation buttons below.
    void layOutSeriesPage(QWidget* page, QVBoxLayout* left, const char* diagram,
                          const char* picture, const QStringList& buttons);
    void bindInputs();
    void connectHandlers();
    void connectEquipmentPanel();
    void applyLanguage();
    void applyModeLayout();
    void setPageHints();

    void onPageChanged(int page);
    void onRowSelected(int row);
    void onOptionClicked();
    void fitOptionPages();
    void updateCircuitPictures();
    void enableModelSelectors();
    void refreshEquipmentPanel();
    void copyModelButtonTexts();
    void setTubeByLength(bool byLength);
    void chooseModel(int kind, const char* label, const char* box);
    void restoreRememberedUnits();
    // Shows the step's message; a failed calculation goes back to page 0.
    bool passed(const TStepOutcome& outcome);
    void nextFromHuilu();

    // The pad page.
    struct TPadConditions {
        bool Automatic = true;
        bool Buffer = true;
        double Area = 0; // mm² each pad needs, automatic method
    };
    QWidget* buildPadPage();
    void connectPadPage();
    TPadConditions padConditions();
    void rebuildPadLists();
    void buildPadModelList();
    void nextFromPad();
    QStringList fillSeriesGrid(QTableWidget* grid, const QList<TListRow>& rows);
    void showSeriesNote(const QString& seriesId, const char* memo, bool unitVariant);
    // The tubing page.
    QWidget* buildTubePage();
    void connectTubePage();
    void buildTubeSeriesList();
    void nextFromTube();
    void showSeriesPicture(const QString& seriesId, const char* image, bool bufferAware,
                           bool unitVariant);
    // The ejector page.
    QWidget* buildEjectorPage();
    void connectEjectorPage();
    void enterEjectorPage();
    void showEjectorSeries();
    void nextFromEjector();
    // The valve page.
    QWidget* buildValvePage();
    void connectValvePage();
    void enterValvePage(int from);
    void chooseValveSeries(int list, int row);
    QStringList& valveSeriesList(int list);
    QString& valveSeriesId(int list);
    // The result page.
    void showResultPage();
    void showResult(const QString& caption, const TValveModels& valves);
    // Carries the selection into calculation mode with its products and values.
    void transferToCalculation();
    QWidget* buildResultPage();
    QGroupBox* outputList(QWidget* parent);
    void bindResultPage();
    QGroupBox* inputSummary(QWidget* parent);
    void bindInputSummary();
    void copyToSummary(const char* field, const char* button, const char* box, const char* source,
                       bool shown);
    void fillInputSummary();
    TChartTitles chartTitles() const;
    void applyChartTitles();
    void fillProductList(const TValveModels& valves);
    QString modelName(const char* table, const char* column, const QString& id) const;
    void showCalcOutputs(bool reset);
    void evaluateResult(const TResultFigures& figures);
    void workingVacuumEdited(const QString& text);
    void recalculate(bool initial);
    void enablePrintSave(bool on);
    void setOutputHints(bool initial);
    // History files.
    QVariant controlState(const QString& key) const;
    void restoreControl(const QString& key, const QString& text);
    void saveHistory();
    void cancel();
    QString languageText(const QString& item) const;

    TWizardContext context_;
    TShellHooks hooks_;
    TValueEntryContext entry_;
    TCalcSession session_;
    TResultChart* chart_ = nullptr;

    TFlowStrip* Nbsetup;
    QLabel* LblTitle;
    QStackedWidget* Notebook1;
    QTableWidget* Sghuilu;
    QStackedWidget* Notebook2;
    QLabel* Image1;
    QLabel* ImgPhoto;
    QWidget* pljiqi;
    QWidget* sbjiqi;
    QComboBox* CbAnZhuangZiShi;
    QVBoxLayout* leftSlot_; // below the circuit options
};

extern TFrmActuatorSelection* FrmActuatorSelection;
