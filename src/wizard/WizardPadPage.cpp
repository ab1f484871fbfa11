// Page 1 of the wizard: the suction pad. The selection method and buffer, the
// required vacuum, leakage and pad count on the left with the circuit diagram;
// below them the series and model lists with the series' note and picture.

#include "wizard/FrmActuatorSelection.h"

#include "controls/CommonDialogs.h"
#include "controls/SkinButton.h"
#include "controls/SpeedButtonEx.h"
#include "core/DMComm.h"
#include "core/Globals.h"
#include "lang/XMLLan.h"
#include "settings/BaseClass.h"
#include "wizard/PadSelection.h"
#include "wizard/WizardControls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

QWidget* TFrmActuatorSelection::buildPadPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("PT"));
    auto* conditions = new QVBoxLayout;
    conditions->addWidget(WizardRadioGroup(
        "Gbxdxingshi", QString(), {{"Rbzidong", "Automatic"}, {"Rbzhiding", "Specified"}}, page));
    conditions->addWidget(WizardRadioGroup(
        "GbHuanchong", QString(),
        {{"Rbhuangchong_yes", "With buffer"}, {"Rbhuangchong_no", "Without buffer"}}, page));
    auto* inputs = new QGroupBox(page);
    auto* grid = new QGridLayout(inputs);
    grid->setContentsMargins(8, 4, 8, 4);
    AddValueRow(grid, "LblZhenKongYaLi", "Required vacuum", "CbZhenKongYaLi", "BtnZhenKongYaLi",
                inputs);
    AddValueRow(grid, "Lblgongjianxielouliang", "Leakage per pad", "Cbgongjianxielouliang",
                "Btngongjianxielouliang", inputs);
    auto* reference = WizardButton("BtnCanKao", QStringLiteral("Reference"), inputs);
    reference->setFixedSize(84, 26);
    grid->addWidget(reference, grid->rowCount(), 2);
    AddValueRow(grid, "Lblxipanshuliang", "Number of pads", "Cbxipanshuliang", "Btnxipanshuliang",
                inputs)
        .Button->hide();
    grid->setColumnStretch(3, 1);
    conditions->addWidget(inputs);
    conditions->addStretch();

    QLabel* diagram = WizardPicture("Image15", DiagramSize, page);
    auto* top = new QHBoxLayout;
    top->addLayout(conditions, 1);
    top->addWidget(diagram, 0, Qt::AlignTop);

    auto* lists = new QGridLayout;
    lists->addWidget(WizardLabel("LblPTSeries", "Pad series", page, false), 0, 0);
    lists->addWidget(WizardLabel("LblPTModel", "Pad model", page, false), 0, 1);
    auto* series = WizardListGrid("SgPTSeries", 1, page);
    auto* models = WizardListGrid("SgPThinban", 2, page);
    models->setProperty("tag", 1); // its header row comes from the language file
    models->setRowCount(1);
    for (int column = 0; column < 2; ++column)
        models->setItem(0, column, new QTableWidgetItem);
    models->setColumnWidth(0, 110);
    lists->addWidget(series, 1, 0);
    lists->addWidget(models, 1, 1);
    lists->addWidget(SeriesNote("Memxipannote", page), 1, 2);
    QLabel* picture = WizardPicture("ImgPTSeriesPIC", SeriesPictureSize, page, false);
    lists->addWidget(picture, 1, 3);
    lists->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addLayout(lists, 1);
    layout->addWidget(navigationRow(page, {"SkbNext_PT", "SkbReturn_PT", "SkbCancel_PT"}));
    Named<QRadioButton>(page, "Rbzidong")->setChecked(true);
    Named<QRadioButton>(page, "Rbhuangchong_yes")->setChecked(true);
    return page;
}

void TFrmActuatorSelection::connectPadPage() {
    for (const char* radio : {"Rbzidong", "Rbzhiding", "Rbhuangchong_yes", "Rbhuangchong_no"})
        connect(Named<QRadioButton>(this, radio), &QRadioButton::clicked, this, [this] {
            const bool automatic = Named<QRadioButton>(this, "Rbzidong")->isChecked();
            for (const char* input : {"CbZhenKongYaLi", "BtnZhenKongYaLi"})
                SetInputEnabled(Named<QWidget>(this, input), automatic);
            context_.RestoredFromHistory = false;
            rebuildPadLists();
        });
    for (const char* box : {"Cbxipanshuliang", "CbZhenKongYaLi"})
        connect(Named<QComboBox>(this, box), &QComboBox::editTextChanged, this, [this, box] {
            const std::optional<double> value = NumberIn(Named<QComboBox>(this, box));
            if (value && *value != 0 && Notebook1->currentIndex() == wpPT)
                rebuildPadLists();
        });
    auto* series = Named<QTableWidget>(this, "SgPTSeries");
    connect(series, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row < 0 || row >= context_.PTSeriesList.size())
            return;
        context_.Input.PT_Series_ID = context_.PTSeriesList.at(row);
        showSeriesNote(context_.Input.PT_Series_ID, "Memxipannote", false);
        showSeriesPicture(context_.Input.PT_Series_ID, "ImgPTSeriesPIC", true, false);
        buildPadModelList();
        context_.RestoredFromHistory = false;
    });
    connect(Named<TSkinButton>(this, "SkbNext_PT"), &TSkinButton::clicked, this,
            &TFrmActuatorSelection::nextFromPad);
}

TFrmActuatorSelection::TPadConditions TFrmActuatorSelection::padConditions() {
    TPadConditions c;
    c.Automatic = Named<QRadioButton>(this, "Rbzidong")->isChecked();
    c.Buffer = Named<QRadioButton>(this, "Rbhuangchong_yes")->isChecked();
    const double mass = Named<TSpeedButtonEx>(this, "Btngongjianzhiliang")->CurNum();
    const double safety = NumberIn(Named<QComboBox>(this, "CbAnquanlv")).value_or(0);
    const double pads = NumberIn(Named<QComboBox>(this, "Cbxipanshuliang")).value_or(0);
    context_.EnteredVacuum = std::fabs(Named<TSpeedButtonEx>(this, "BtnZhenKongYaLi")->CurNum());
    c.Area = RequiredPadArea(mass, safety, pads, context_.EnteredVacuum);
    return c;
}

// The series that have a pad for the conditions, keeping the series chosen
// before when it is still among them.
void TFrmActuatorSelection::rebuildPadLists() {
    if (!DMComm)
        return;
    const TPadConditions c = padConditions();
    const TPadMethod method = c.Automatic ? TPadMethod::Automatic : TPadMethod::Specified;
    const QList<TListRow> rows = PadSeriesRows(*DMComm, method, context_.RegionColumn, c.Area);
    auto* grid = Named<QTableWidget>(this, "SgPTSeries");
    const QSignalBlocker quiet(grid);
    context_.PTSeriesList = fillSeriesGrid(grid, rows);
    if (rows.isEmpty()) {
        buildPadModelList();
        return;
    }
    if (!context_.RestoredFromHistory) {
        int chosen = int(context_.PTSeriesList.indexOf(context_.Input.PT_Series_ID));
        if (chosen < 0)
            chosen = 0;
        context_.Input.PT_Series_ID = context_.PTSeriesList.at(chosen);
        grid->selectRow(chosen);
    }
    showSeriesNote(context_.Input.PT_Series_ID, "Memxipannote", false);
    showSeriesPicture(context_.Input.PT_Series_ID, "ImgPTSeriesPIC", true, false);
    buildPadModelList();
}

// The pads of the chosen series; an empty list leaves no rows of an earlier one.
void TFrmActuatorSelection::buildPadModelList() {
    const TPadConditions c = padConditions();
    const TPadMethod method = c.Automatic ? TPadMethod::Automatic : TPadMethod::Specified;
    const QList<TListRow> rows = DMComm && !context_.PTSeriesList.isEmpty()
                                     ? PadModelRows(*DMComm, method, context_.Input.PT_Series_ID,
                                                    c.Buffer, context_.RegionColumn, c.Area)
                                     : QList<TListRow>();
    auto* grid = Named<QTableWidget>(this, "SgPThinban");
    context_.PTModelList.clear();
    grid->setRowCount(int(rows.size()) + 1);
    for (int row = 0; row < rows.size(); ++row) {
        grid->setItem(row + 1, 0, new QTableWidgetItem(rows[row].Id));
        grid->setItem(row + 1, 1, new QTableWidgetItem(rows[row].Area));
        context_.PTModelList.append(rows[row].Key);
    }
    if (!context_.RestoredFromHistory && !rows.isEmpty())
        grid->selectRow(1);
}

void TFrmActuatorSelection::nextFromPad() {
    const TPadConditions c = padConditions();
    const int selected = Named<QTableWidget>(this, "SgPThinban")->currentRow();
    const qsizetype index = c.Automatic ? 0 : selected - 1;
    TPadStep step;
    step.Automatic = c.Automatic;
    step.Mass = Named<TSpeedButtonEx>(this, "Btngongjianzhiliang")->CurNum();
    step.Safety = NumberIn(Named<QComboBox>(this, "CbAnquanlv")).value_or(0);
    step.Pads = int(NumberIn(Named<QComboBox>(this, "Cbxipanshuliang")).value_or(0));
    step.ModelId = context_.PTModelList.value(index);
    step.PumpLevel = Named<TSpeedButtonEx>(this, "BtnZhenKongPengYaLi")->CurNum();
    step.Leakage = Named<TSpeedButtonEx>(this, "Btngongjianxielouliang")->CurNum();
    if (!DMComm)
        return;
    const TStepOutcome outcome = context_.LeavePadPage(*DMComm, step);
    if (!passed(outcome))
        return;
    buildTubeSeriesList();
    ShowPage(wpTube);
}
