// Page 3 of the wizard: the ejector or vacuum unit. The series list with its note
// and picture, the flow type and the standard supply pressure (ejectors only);
// leaving the page takes the ejector that carries the flow, several of the
// largest, or the first vacuum unit that is fast enough.

#include "wizard/FrmActuatorSelection.h"

#include "controls/FrmInfoShow.h"
#include "controls/SkinButton.h"
#include "controls/SpeedButtonEx.h"
#include "core/DMComm.h"
#include "wizard/WizardControls.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

QWidget* TFrmActuatorSelection::buildEjectorPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("EJ"));
    QWidget* input = EjectorChoicePanel(page);

    auto* left = new QVBoxLayout;
    left->addWidget(WizardLabel("LblEJxilie", "Ejector series", page, false));
    left->addWidget(WizardListGrid("SgEJSeries", 1, page), 1);
    left->addWidget(SeriesNote("MemEJnote", page, true));
    left->addWidget(input);
    layOutSeriesPage(page, left, "Image12", "ImgEJSeriesPIC",
                     {"SkbNext_EJ", "SkbReturn_EJ", "SkbCancel_EJ"});
    return page;
}

void TFrmActuatorSelection::connectEjectorPage() {
    connect(Named<QTableWidget>(this, "SgEJSeries"), &QTableWidget::currentCellChanged, this,
            [this](int row) {
                if (row < 0 || row >= context_.EJSeriesList.size())
                    return;
                context_.Input.EJ_Series_ID = context_.EJSeriesList.at(row);
                showEjectorSeries();
            });
    connect(Named<TSkinButton>(this, "SkbNext_EJ"), &TSkinButton::clicked, this,
            &TFrmActuatorSelection::nextFromEjector);
}

// Entering the page: the caption and panel of the category, the series of the
// flow type checked now, the first one chosen.
void TFrmActuatorSelection::enterEjectorPage() {
    const bool units = context_.UnitVariant();
    Named<QLabel>(this, "LblEJxilie")
        ->setText(languageText(units ? "LblEJxilie2.Caption" : "LblEJxilie1.Caption"));
    Named<QWidget>(this, "PlEJInput")->setVisible(!units);
    auto* grid = Named<QTableWidget>(this, "SgEJSeries");
    const QSignalBlocker quiet(grid);
    const bool standard = Named<QRadioButton>(this, "RbBiaoZhun")->isChecked();
    const QList<TListRow> rows =
        DMComm ? context_.BuildEJSeriesList(*DMComm, standard) : QList<TListRow>();
    fillSeriesGrid(grid, rows);
    if (!rows.isEmpty() && !context_.RestoredFromHistory)
        grid->selectRow(0);
    showEjectorSeries();
}

// The chosen series' note and picture, and the pressures its ejectors offer.
void TFrmActuatorSelection::showEjectorSeries() {
    const bool units = context_.UnitVariant();
    showSeriesNote(context_.Input.EJ_Series_ID, "MemEJnote", units);
    showSeriesPicture(context_.Input.EJ_Series_ID, "ImgEJSeriesPIC", false, units);
    if (units || !DMComm)
        return;
    ShowEjectorChoices(this, context_.UpdateStandardPressureChoices(*DMComm));
}

void TFrmActuatorSelection::nextFromEjector() {
    if (!DMComm)
        return;
    TEjectorStep step;
    step.StandardFlow = Named<QRadioButton>(this, "RbBiaoZhun")->isChecked();
    step.Conditions = ConditionValues();
    step.StandardPressure = step.Conditions.StandardPressure;
    step.ResponseTime = Named<TSpeedButtonEx>(this, "Btnyingdashijian")->CurNum();
    step.UseSeveral = [this] { return TFrmInfoShow::Ask(this) == TInfoShowChoice::Continue; };
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TStepOutcome outcome = context_.LeaveEjectorPage(*DMComm, step, CalcOutput, session_);
    QApplication::restoreOverrideCursor();
    if (!passed(outcome))
        return;
    if (context_.ResultAfterEjector())
        showResultPage();
    else
        enterValvePage(wpEJ);
}
