// Page 2 of the wizard: the tubing. The series list with its note and picture and
// the tubing length; leaving the page takes the thinnest tube that passes the flow.

#include "wizard/FrmActuatorSelection.h"

#include "controls/SkinButton.h"
#include "controls/SpeedButtonEx.h"
#include "core/DMComm.h"
#include "wizard/TubeSelection.h"
#include "wizard/WizardControls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QVBoxLayout>

QWidget* TFrmActuatorSelection::buildTubePage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Tube"));
    auto* length = new QGroupBox(page);
    auto* grid = new QGridLayout(length);
    grid->setContentsMargins(8, 4, 8, 4);
    AddValueRow(grid, "LblTubeLength", "Tubing length", "CbTubeLength", "BtnTubeLength", length);
    grid->setColumnStretch(3, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(length);
    left->addWidget(WizardLabel("LblTubeSeries", "Tubing series", page, false));
    left->addWidget(WizardListGrid("SgTubeSeries", 1, page), 1);
    left->addWidget(SeriesNote("MemTubenote", page, true));
    layOutSeriesPage(page, left, "Image11", "ImgTubeSeriesPIC",
                     {"SkbNext_Tube", "SkbReturn_Tube", "SkbCancel_Tube"});
    return page;
}

void TFrmActuatorSelection::connectTubePage() {
    connect(Named<QTableWidget>(this, "SgTubeSeries"), &QTableWidget::currentCellChanged, this,
            [this](int row) {
                if (row < 0 || row >= context_.TubeSeriesList.size())
                    return;
                context_.Input.Tube_Series_ID = context_.TubeSeriesList.at(row);
                showSeriesNote(context_.Input.Tube_Series_ID, "MemTubenote", false);
                showSeriesPicture(context_.Input.Tube_Series_ID, "ImgTubeSeriesPIC", false, false);
            });
    connect(Named<TSkinButton>(this, "SkbNext_Tube"), &TSkinButton::clicked, this,
            &TFrmActuatorSelection::nextFromTube);
}

// The tubing series of the region; the first one is chosen on every entry.
void TFrmActuatorSelection::buildTubeSeriesList() {
    auto* grid = Named<QTableWidget>(this, "SgTubeSeries");
    const QSignalBlocker quiet(grid);
    context_.TubeSeriesList = fillSeriesGrid(
        grid, DMComm ? TubeSeriesRows(*DMComm, context_.RegionColumn) : QList<TListRow>());
    if (context_.TubeSeriesList.isEmpty() || context_.RestoredFromHistory)
        return;
    context_.Input.Tube_Series_ID = context_.TubeSeriesList.first();
    grid->selectRow(0);
    showSeriesNote(context_.Input.Tube_Series_ID, "MemTubenote", false);
    showSeriesPicture(context_.Input.Tube_Series_ID, "ImgTubeSeriesPIC", false, false);
}

void TFrmActuatorSelection::nextFromTube() {
    if (!DMComm)
        return;
    const int pads = int(NumberIn(Named<QComboBox>(this, "Cbxipanshuliang")).value_or(0));
    auto value = [this](const char* button) {
        return Named<TSpeedButtonEx>(this, button)->CurNum();
    };
    const TStepOutcome outcome =
        context_.LeaveTubePage(*DMComm, value("BtnTubeLength"), value("Btnyingdashijian"), pads,
                               value("Btngongjianxielouliang"));
    if (!passed(outcome))
        return;
    if (context_.PageAfterTube() == wpVa) {
        enterValvePage(wpTube);
        return;
    }
    enterEjectorPage();
    ShowPage(wpEJ);
}
