// The settings dialog's page of unit schemes: free choice, the fixed scheme and
// the user's own schemes, with the unit each uses for every input item.
#include "settings/FrmAllSetting.h"

#include "controls/CommonDialogs.h"
#include "controls/SkinButton.h"
#include "core/DMComm.h"
#include "lang/XMLLan.h"
#include "settings/BaseClass.h"
#include "settings/FrmUnitAdd.h"
#include "units/UnitManager.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableWidget>

namespace {

const QColor ReadOnlyGrey(212, 208, 200);

enum TSchemeColumn { scName, scMemo, scNumber, scHint };
enum TDetailColumn { dcItem, dcUnit, dcCategory, dcUnitNumber, dcItemId };

QTableWidget* grid(const char* name, int columns, QWidget* parent) {
    auto* table = new QTableWidget(2, columns, parent);
    table->setObjectName(QLatin1String(name));
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setMouseTracking(true);
    return table;
}

void setCell(QTableWidget* table, int row, int column, const QString& text) {
    if (QTableWidgetItem* cell = table->item(row, column))
        cell->setText(text);
    else
        table->setItem(row, column, new QTableWidgetItem(text));
}

} // namespace

void SetGridHeadings(QTableWidget* grid, const QStringList& designed) {
    grid->verticalHeader()->hide();
    for (int column = 0; column < designed.size(); ++column)
        setCell(grid, 0, column, designed.at(column));
    ShowGridHeadings(grid);
}

void ShowGridHeadings(QTableWidget* grid) {
    QStringList headings;
    for (int column = 0; column < grid->columnCount(); ++column)
        headings << (grid->item(0, column) ? grid->item(0, column)->text() : QString());
    grid->setHorizontalHeaderLabels(headings);
    grid->setRowHidden(0, true);
}

// Over the two built-in rows the status line explains them; elsewhere it is empty.
void TFrmAllSetting::schemeListHovered(const QPoint& position) {
    const int row = SgUnitGroup->rowAt(position.y());
    const bool builtIn = row == FreeChoiceRow || row == FixedSchemeRow;
    showHint(builtIn ? schemeCell(row, scHint) : QString());
}

QWidget* TFrmAllSetting::buildSchemePage() {
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    CmbModule = new QComboBox(page);
    CmbModule->setObjectName(QStringLiteral("CmbModule"));
    CmbModule->hide();

    SgUnitGroup = grid("SgUnitGroup", 4, page);
    SgUnitGroup->setRowCount(FirstListedRow);
    SgUnitGroup->setColumnHidden(scHint, true);
    SgUnitGroup->setColumnWidth(scName, 170);
    SgUnitGroup->setColumnWidth(scNumber, 40);
    SgUnitGroup->horizontalHeader()->setSectionResizeMode(scMemo, QHeaderView::Stretch);
    SetGridHeadings(SgUnitGroup,
                    {QStringLiteral("Scheme"), QStringLiteral("Memo"), QStringLiteral("No.")});
    setCell(SgUnitGroup, FreeChoiceRow, scName, QStringLiteral("Free choice"));
    setCell(SgUnitGroup, FixedSchemeRow, scName, QStringLiteral("Standard"));
    SgUnitGroup->viewport()->installEventFilter(this);
    connect(SgUnitGroup, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int previous) {
                if (row != previous)
                    selectScheme(row);
            });
    layout->addWidget(SgUnitGroup, 0, 0, 1, 3);

    auto* buttons = new QHBoxLayout;
    BitBtnAdd = DialogButton("BitBtnAdd", QStringLiteral("Add"), page);
    BitBtnMod = DialogButton("BitBtnMod", QStringLiteral("Rename"), page);
    BitBtnDel = DialogButton("BitBtnDel", QStringLiteral("Delete"), page);
    connect(static_cast<TSkinButton*>(BitBtnAdd), &TSkinButton::clicked, this,
            &TFrmAllSetting::addScheme);
    connect(static_cast<TSkinButton*>(BitBtnMod), &TSkinButton::clicked, this,
            &TFrmAllSetting::renameScheme);
    connect(static_cast<TSkinButton*>(BitBtnDel), &TSkinButton::clicked, this,
            &TFrmAllSetting::deleteScheme);
    buttons->addStretch();
    for (QWidget* button : {BitBtnAdd, BitBtnMod, BitBtnDel})
        buttons->addWidget(button);
    layout->addLayout(buttons, 1, 0, 1, 3);

    layout->addWidget(DialogLabel("LabScheme", "Selected scheme:", page), 2, 0);
    LabNewUnit = DialogLabel("LabNewUnit", "", page);
    LabNewUnit->setStyleSheet(QStringLiteral("font-weight: bold;"));
    layout->addWidget(LabNewUnit, 2, 1, 1, 2);

    SgUnitGroupDetail = grid("SgUnitGroupDetail", 5, page);
    for (int column = dcCategory; column <= dcItemId; ++column)
        SgUnitGroupDetail->setColumnHidden(column, true);
    SgUnitGroupDetail->setColumnWidth(dcUnit, 200);
    SgUnitGroupDetail->horizontalHeader()->setSectionResizeMode(dcItem, QHeaderView::Stretch);
    SetGridHeadings(SgUnitGroupDetail, {QStringLiteral("Input item"), QStringLiteral("Unit")});
    connect(SgUnitGroupDetail, &QTableWidget::currentCellChanged, this,
            [this](int row) { selectDetail(row); });
    connect(SgUnitGroupDetail->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &TFrmAllSetting::placeUnitChooser);
    SgUnitGroupDetail->viewport()->installEventFilter(this);
    layout->addWidget(SgUnitGroupDetail, 3, 0, 1, 3);
    layout->setRowStretch(0, 2);
    layout->setRowStretch(3, 3);

    CmbCheck = new QComboBox(SgUnitGroupDetail->viewport());
    CmbCheck->setObjectName(QStringLiteral("CmbCheck"));
    CmbCheck->hide();
    connect(CmbCheck, &QComboBox::activated, this, &TFrmAllSetting::unitChosen);
    return page;
}

QString TFrmAllSetting::schemeCell(int row, int column) const {
    const QTableWidgetItem* cell = SgUnitGroup->item(row, column);
    return cell ? cell->text() : QString();
}

void TFrmAllSetting::fillSchemeList() {
    filling_ = true;
    setCell(SgUnitGroup, FreeChoiceRow, scNumber, QString::number(FreeChoiceSchemeId));
    setCell(SgUnitGroup, FixedSchemeRow, scNumber, QString::number(FixedSchemeId));
    if (!ReadSchemes(db_, schemes_)) {
        filling_ = false;
        SgUnitGroup->setEnabled(false); // no catalogue: the built-in rows alone, inert
        return;
    }
    SgUnitGroup->setRowCount(FirstListedRow + int(schemes_.size()));
    for (int i = 0; i < schemes_.size(); ++i) {
        const int row = FirstListedRow + i;
        setCell(SgUnitGroup, row, scName, schemes_.at(i).Name);
        setCell(SgUnitGroup, row, scMemo, schemes_.at(i).Memo);
        setCell(SgUnitGroup, row, scNumber, schemes_.at(i).SchemeID);
    }
    filling_ = false;
    const int target = SchemeRowOf(BaseClass->DefaultSchemeID, schemes_);
    if (target < SgUnitGroup->rowCount())
        SgUnitGroup->setCurrentCell(target, scName);
    LabNewUnit->setText(schemeCell(SgUnitGroup->currentRow(), scName));
}

void TFrmAllSetting::selectScheme(int row) {
    if (filling_ || row < FreeChoiceRow)
        return;
    schemeRow_ = row;
    const bool builtIn = row < FirstListedRow;
    const bool editable = !builtIn && writable_;
    SgUnitGroupDetail->setStyleSheet(
        builtIn ? QStringLiteral("QTableWidget { background: %1; }").arg(ReadOnlyGrey.name())
                : QString());
    schemeEditable_ = editable;
    BitBtnMod->setEnabled(editable);
    BitBtnDel->setEnabled(editable);
    currentSchemeId_ = schemeCell(row, scNumber);
    LabNewUnit->setText(schemeCell(row, scName));
    fillSchemeDetails();
}

// Selects the row after the list was filled again; a row that already was the
// selected one is shown again too, since its scheme may have changed.
void TFrmAllSetting::reselectScheme(int row) {
    if (SgUnitGroup->currentRow() == row)
        selectScheme(row);
    else
        SgUnitGroup->setCurrentCell(row, scName);
}

void TFrmAllSetting::fillSchemeDetails() {
    details_ =
        SchemeDetails(db_, *BaseClass->Lan, currentSchemeId_, CmbModule->currentData().toString());
    filling_ = true;
    CmbCheck->hide();
    SgUnitGroupDetail->setRowCount(1);
    SgUnitGroupDetail->setRowCount(1 + std::max<int>(1, int(details_.size())));
    for (int i = 0; i < details_.size(); ++i) {
        const TSchemeDetailRow& detail = details_.at(i);
        const QString cells[] = {detail.ItemName, detail.UnitName, detail.Category, detail.Unit,
                                 detail.ItemID};
        for (int column = dcItem; column <= dcItemId; ++column)
            setCell(SgUnitGroupDetail, i + 1, column, cells[column]);
    }
    filling_ = false;
    SgUnitGroupDetail->setCurrentCell(-1, -1);
}

void TFrmAllSetting::selectDetail(int) {
    if (!filling_)
        placeUnitChooser();
}

// Puts the unit chooser over the unit of the selected row, when the scheme may
// be edited and the row is in sight.
void TFrmAllSetting::placeUnitChooser() {
    const int row = SgUnitGroupDetail->currentRow();
    const int item = row - 1;
    const QRect cell =
        SgUnitGroupDetail->visualRect(SgUnitGroupDetail->model()->index(row, dcUnit));
    if (!schemeEditable_ || item < 0 || item >= details_.size() ||
        details_.at(item).Category.isEmpty() || cell.top() < 0 ||
        cell.bottom() > SgUnitGroupDetail->viewport()->height()) {
        CmbCheck->hide();
        return;
    }
    CmbCheck->clear();
    for (const TUnitChoice& choice :
         UnitChoices(*BaseClass->UnitManager, *BaseClass->Lan, details_.at(item)))
        CmbCheck->addItem(choice.Caption, choice.Unit);
    CmbCheck->setCurrentIndex(std::max(0, CmbCheck->findText(details_.at(item).UnitName)));
    CmbCheck->setGeometry(cell.adjusted(1, 1, -1, -1));
    CmbCheck->show();
}

void TFrmAllSetting::unitChosen() {
    const int row = SgUnitGroupDetail->currentRow();
    if (row < 1 || row > details_.size() ||
        CmbCheck->currentText() == details_.at(row - 1).UnitName)
        return;
    TSchemeDetailRow& detail = details_[row - 1];
    const QString unit = CmbCheck->currentData().toString();
    if (!SetSchemeUnit(db_, currentSchemeId_, CmbModule->currentData().toString(), detail.ItemID,
                       unit)) {
        ShowPlainMessage(db_.LastError());
        return;
    }
    detail.UnitName = CmbCheck->currentText();
    detail.Unit = unit;
    setCell(SgUnitGroupDetail, row, dcUnit, detail.UnitName);
    setCell(SgUnitGroupDetail, row, dcUnitNumber, unit);
}

void TFrmAllSetting::schemeFailed(const char* key, const QString& error) {
    ShowPlainMessage(BaseClass->Lan->GetMessageText(QLatin1String(key)) + error);
}

void TFrmAllSetting::addScheme() {
    QString name;
    QString memo;
    if (!TFrmUnitAdd::Ask(this, name, memo))
        return;
    QString error;
    if (!AddScheme(db_, name, memo, &error))
        schemeFailed("MSGSCHEMEADDFAIL", error);
    fillSchemeList();
    reselectScheme(SgUnitGroup->rowCount() - 1);
}

void TFrmAllSetting::renameScheme() {
    const int row = SgUnitGroup->currentRow();
    if (row < FirstListedRow)
        return;
    QString name = schemeCell(row, scName);
    QString memo = schemeCell(row, scMemo);
    if (!TFrmUnitAdd::Ask(this, name, memo) ||
        (name == schemeCell(row, scName) && memo == schemeCell(row, scMemo)))
        return;
    QString error;
    if (!RenameScheme(db_, currentSchemeId_, name, memo, &error))
        schemeFailed("MSGSCHEMERENAMEFAIL", error);
    fillSchemeList();
    reselectScheme(row);
}

void TFrmAllSetting::deleteScheme() {
    if (SgUnitGroup->currentRow() < FirstListedRow ||
        ShowKeyedMessage(QStringLiteral("MSG0018"), TMsgDlgType::mtConfirmation, mbYes | mbNo) !=
            mrYes)
        return;
    QString error;
    if (!DeleteScheme(db_, currentSchemeId_, &error))
        schemeFailed("MSGSCHEMEDELFAIL", error);
    fillSchemeList();
    reselectScheme(SgUnitGroup->rowCount() - 1);
}
