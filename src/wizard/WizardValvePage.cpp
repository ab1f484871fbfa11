// Page 4 of the wizard: the valves. One series list for each valve the circuit
// uses (supply, release, switching valve, release throttle) with the note and
// picture of the series chosen last; the models follow when the result shows.

#include "wizard/FrmActuatorSelection.h"

#include "controls/SkinButton.h"
#include "core/DMComm.h"
#include "wizard/WizardControls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The valve lists in the order the page stacks them.
struct TValveList {
    const char* Panel;
    const char* Label;
    const char* Caption;
    const char* Grid;
    bool ShowsSeries; // a chosen row shows the series' note and picture
};

const TValveList ValveLists[] = {
    {"PLGongyingfa", "LblGongyingfa", "Supply valve series", "SGGongyingfa", true},
    {"PLPohuaifa", "LblPohuaifa", "Release valve series", "SGPohuaifa", true},
    {"PLQieHuanfa", "LblQieHuanfa", "Switching valve series", "SGQieHuanfa", true},
    {"PLJieliufa", "LblJieliufa", "Release throttle series", "SGJieliufa", false},
};

} // namespace

QWidget* TFrmActuatorSelection::buildValvePage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Va"));
    auto* left = new QVBoxLayout;
    for (const TValveList& list : ValveLists) {
        auto* panel = new QWidget(page);
        panel->setObjectName(QLatin1String(list.Panel));
        auto* rows = new QVBoxLayout(panel);
        rows->setContentsMargins(0, 0, 0, 0);
        rows->addWidget(WizardLabel(list.Label, QLatin1String(list.Caption), panel, false));
        rows->addWidget(WizardListGrid(list.Grid, 1, panel), 1);
        left->addWidget(panel, 1); // the lists shown share the column equally
    }
    left->addWidget(SeriesNote("MemVAnote", page, true));
    layOutSeriesPage(page, left, "Image13", "ImgVASeriesPIC",
                     {"SkbNext_VA", "SkbReturn_VA", "SkbCancel_VA"});
    return page;
}

QStringList& TFrmActuatorSelection::valveSeriesList(int list) {
    QStringList* lists[] = {&context_.GongyingSeriesList, &context_.PohuaiSeriesList,
                            &context_.QieHuanSeriesList, &context_.JieliuSeriesList};
    return *lists[list];
}

QString& TFrmActuatorSelection::valveSeriesId(int list) {
    QString* ids[] = {&context_.Input.VA_Gongying_Series_ID, &context_.Input.VA_Pohuai_Series_ID,
                      &context_.Input.VA_QieHuan_Series_ID, &context_.Input.VA_Jieliu_Series_ID};
    return *ids[list];
}

void TFrmActuatorSelection::connectValvePage() {
    for (int list = 0; list < 4; ++list) {
        connect(Named<QTableWidget>(this, ValveLists[list].Grid), &QTableWidget::currentCellChanged,
                this, [this, list](int row) { chooseValveSeries(list, row); });
    }
    connect(Named<TSkinButton>(this, "SkbNext_VA"), &TSkinButton::clicked, this,
            &TFrmActuatorSelection::showResultPage);
}

void TFrmActuatorSelection::chooseValveSeries(int list, int row) {
    const QStringList& keys = valveSeriesList(list);
    if (row < 0 || row >= keys.size())
        return;
    valveSeriesId(list) = keys.at(row);
    if (!ValveLists[list].ShowsSeries)
        return;
    showSeriesNote(keys.at(row), "MemVAnote", false);
    showSeriesPicture(keys.at(row), "ImgVASeriesPIC", false, false);
}

// The lists of the circuit's valves; the page shows when every one the circuit
// needs can be offered, otherwise the page the user came from stays.
void TFrmActuatorSelection::enterValvePage(int from) {
    if (!DMComm)
        return;
    TValveLists lists;
    const TStepOutcome outcome = context_.BuildValveLists(*DMComm, lists);
    const QList<TListRow>* rows[] = {&lists.Supply, &lists.Release, &lists.Switching,
                                     &lists.Throttle};
    const TModelSelectors uses = context_.ModelSelectors();
    const bool shown[] = {uses.SupplyValve, uses.ReleaseValve, uses.SwitchingValve, uses.Throttle};
    for (int list = 0; list < 4; ++list) {
        Named<QWidget>(this, ValveLists[list].Panel)->setVisible(shown[list]);
        auto* grid = Named<QTableWidget>(this, ValveLists[list].Grid);
        const QSignalBlocker quiet(grid);
        fillSeriesGrid(grid, *rows[list]);
    }
    if (!passed(outcome)) {
        ShowPage(from);
        return;
    }
    ShowPage(wpVa);
    if (context_.RestoredFromHistory)
        return;
    for (int list = 0; list < 4; ++list) {
        if (shown[list] && !rows[list]->isEmpty()) {
            Named<QTableWidget>(this, ValveLists[list].Grid)->selectRow(0);
            chooseValveSeries(list, 0);
        }
    }
}
