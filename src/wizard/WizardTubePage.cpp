// Page 2 of the wizard: the tubing. The series list with its note and picture and
// the tubing length; leaving the page takes the thinnest tube that passes the flow.

#include "wizard/FrmActuatorSelection.h"

#include "controls/CommonDialogs.h"
#include "controls/SkinButton.h"
#include "controls/SpeedButtonEx.h"
#include "core/DMComm.h"
#include "core/DataTable.h"
#include "wizard/TubeSelection.h"
#include "wizard/WizardControls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
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

    auto* series = new QTableWidget(0, 1, page);
    series->setObjectName(QStringLiteral("SgTubeSeries"));
    series->horizontalHeader()->hide();
    series->verticalHeader()->hide();
    series->verticalHeader()->setDefaultSectionSize(24);
    series->horizontalHeader()->setStretchLastSection(true);
    series->setSelectionBehavior(QAbstractItemView::SelectRows);
    series->setSelectionMode(QAbstractItemView::SingleSelection);
    series->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* note = new QPlainTextEdit(page);
    note->setObjectName(QStringLiteral("MemTubenote"));
    note->setReadOnly(true);
    auto* picture = new QLabel(page);
    picture->setObjectName(QStringLiteral("ImgTubeSeriesPIC"));
    picture->setFixedSize(160, 150);
    picture->setAlignment(Qt::AlignCenter);

    auto* left = new QVBoxLayout;
    left->addWidget(length);
    left->addWidget(WizardLabel("LblTubeSeries", "Tubing series", page, false));
    left->addWidget(series, 1);
    left->addWidget(note);
    auto* diagram = new QLabel(page);
    diagram->setObjectName(QStringLiteral("Image11"));
    diagram->setFixedSize(420, 300);
    diagram->setFrameShape(QFrame::StyledPanel);
    auto* right = new QVBoxLayout;
    right->addWidget(diagram);
    right->addWidget(picture);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(columns, 1);
    layout->addWidget(navigationRow(page, {"SkbNext_Tube", "SkbReturn_Tube", "SkbCancel_Tube"}));
    return page;
}

void TFrmActuatorSelection::connectTubePage() {
    connect(Named<QTableWidget>(this, "SgTubeSeries"), &QTableWidget::currentCellChanged, this,
            [this](int row) {
                if (row < 0 || row >= context_.TubeSeriesList.size())
                    return;
                context_.Input.Tube_Series_ID = context_.TubeSeriesList.at(row);
                showSeriesNote(context_.Input.Tube_Series_ID, "MemTubenote");
                showSeriesPicture(context_.Input.Tube_Series_ID, "ImgTubeSeriesPIC", false);
            });
    connect(Named<TSkinButton>(this, "SkbNext_Tube"), &TSkinButton::clicked, this,
            &TFrmActuatorSelection::nextFromTube);
}

// The tubing series of the region; the first one is chosen on every entry.
void TFrmActuatorSelection::buildTubeSeriesList() {
    TDataTable table;
    const std::optional<QString> sql = TubeSeriesSql(context_.RegionColumn);
    if (!DMComm || !sql || !DMComm->GetDataPacket(*sql, table))
        table = TDataTable();
    auto* grid = Named<QTableWidget>(this, "SgTubeSeries");
    const QSignalBlocker quiet(grid);
    context_.TubeSeriesList.clear();
    grid->setRowCount(table.RecordCount());
    for (table.First(); !table.Eof(); table.Next()) {
        grid->setItem(table.RecNo(), 0,
                      new QTableWidgetItem(seriesName(table.AsString(QStringLiteral("ID")))));
        context_.TubeSeriesList.append(table.AsString(QStringLiteral("SERIESID")));
    }
    if (context_.TubeSeriesList.isEmpty() || context_.RestoredFromHistory)
        return;
    context_.Input.Tube_Series_ID = context_.TubeSeriesList.first();
    grid->selectRow(0);
    showSeriesNote(context_.Input.Tube_Series_ID, "MemTubenote");
    showSeriesPicture(context_.Input.Tube_Series_ID, "ImgTubeSeriesPIC", false);
}

void TFrmActuatorSelection::nextFromTube() {
    if (!DMComm)
        return;
    bool counted = false;
    const int pads =
        QLocale().toInt(Named<QComboBox>(this, "Cbxipanshuliang")->currentText(), &counted);
    auto value = [this](const char* button) {
        return Named<TSpeedButtonEx>(this, button)->CurNum();
    };
    const TStepOutcome outcome =
        context_.LeaveTubePage(*DMComm, value("BtnTubeLength"), value("Btnyingdashijian"),
                               counted ? pads : 0, value("Btngongjianxielouliang"));
    if (!outcome.Proceed) {
        if (!outcome.MessageKey.isEmpty())
            ShowKeyedMessage(outcome.MessageKey, TMsgDlgType::mtWarning, mbYes);
        return;
    }
    ShowPage(context_.PageAfterTube());
}
