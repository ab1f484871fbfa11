// The settings dialog's page of preset values: an input item, one of its units,
// and the values the input box offers in that unit, edited in place.
#include "settings/FrmAllSetting.h"

#include "controls/CommonDialogs.h"
#include "controls/SkinButton.h"
#include "core/DMComm.h"
#include "core/Globals.h"
#include "lang/XMLLan.h"
#include "settings/BaseClass.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>

namespace {

QTableWidgetItem* readOnlyCell(const QString& text) {
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
    return cell;
}

} // namespace

QWidget* TFrmAllSetting::buildGeneralPage() {
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    cboModel = new QComboBox(page);
    cboModel->setObjectName(QStringLiteral("cboModel"));
    cboModel->hide();
    SgUnit = new QTableWidget(2, 3, page);
    SgUnit->setObjectName(QStringLiteral("SgUnit"));
    SetGridHeadings(
        SgUnit, {QStringLiteral("No."), QStringLiteral("Input item"), QStringLiteral("Parameter")});
    SgUnit->setColumnHidden(2, true);
    SgUnit->setColumnWidth(0, 44);
    SgUnit->horizontalHeader()->setStretchLastSection(false);
    SgUnit->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    SgUnit->setSelectionBehavior(QAbstractItemView::SelectRows);
    SgUnit->setSelectionMode(QAbstractItemView::SingleSelection);
    SgUnit->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(SgUnit, &QTableWidget::currentCellChanged, this, [this](int row, int, int previous) {
        if (row != previous)
            selectItem(row);
    });
    layout->addWidget(SgUnit, 0, 0, 7, 1);

    labDrop = DialogLabel("labDrop", "", page);
    labDrop->setStyleSheet(QStringLiteral("font-weight: bold;"));
    cboUnitList = new QComboBox(page);
    cboUnitList->setObjectName(QStringLiteral("cboUnitList"));
    connect(cboUnitList, &QComboBox::currentIndexChanged, this, &TFrmAllSetting::changeUnit);
    labUnitItem = DialogLabel("labUnitItem", "", page);
    labInputRange = DialogLabel("labInputRange", "", page);
    const std::tuple<int, const char*, const char*, QWidget*> fields[] = {
        {0, "LabItem", "Input item:", labDrop},
        {1, "LabUnit", "Unit:", cboUnitList},
        {3, "LabRange", "Input range:", labInputRange}};
    for (const auto& [row, name, caption, field] : fields) {
        layout->addWidget(DialogLabel(name, caption, page), row, 1);
        layout->addWidget(field, row, 2, 1, 2);
    }
    layout->addWidget(labUnitItem, 2, 2, 1, 2);
    layout->addWidget(DialogLabel("LabPresets", "Preset values:", page), 4, 1);

    presetModel_ = new QStandardItemModel(0, 2, page);
    presetModel_->setHorizontalHeaderLabels({QStringLiteral("Order"), QStringLiteral("Value")});
    dbgUnitItem = new QTableView(page);
    dbgUnitItem->setObjectName(QStringLiteral("dbgUnitItem"));
    dbgUnitItem->setModel(presetModel_);
    dbgUnitItem->verticalHeader()->hide();
    dbgUnitItem->horizontalHeader()->setStretchLastSection(true);
    dbgUnitItem->setSelectionBehavior(QAbstractItemView::SelectRows);
    dbgUnitItem->setSelectionMode(QAbstractItemView::SingleSelection);
    dbgUnitItem->installEventFilter(this);
    connect(presetModel_, &QStandardItemModel::itemChanged, this, [this](QStandardItem* item) {
        if (!filling_)
            presetEdited(item->row());
    });
    layout->addWidget(dbgUnitItem, 5, 1, 1, 3);
    auto* buttons = new QHBoxLayout;
    sbAdd = DialogButton("sbAdd", QStringLiteral("Add"), page);
    sbDelete = DialogButton("sbDelete", QStringLiteral("Delete"), page);
    connect(static_cast<TSkinButton*>(sbAdd), &TSkinButton::clicked, this,
            &TFrmAllSetting::addPreset);
    connect(static_cast<TSkinButton*>(sbDelete), &TSkinButton::clicked, this,
            &TFrmAllSetting::deletePreset);
    buttons->addStretch();
    buttons->addWidget(sbAdd);
    buttons->addWidget(sbDelete);
    layout->addLayout(buttons, 6, 1, 1, 3);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(3, 2);
    layout->setRowStretch(5, 1);
    presets_ = std::make_unique<TPresetList>(db_);
    return page;
}

void TFrmAllSetting::changeModel() {
    modelId_ = cboModel->currentData().toString();
    items_ = PresetItems(db_, *BaseClass->Lan, modelId_);
    filling_ = true;
    SgUnit->setRowCount(1 + std::max<int>(1, int(items_.size())));
    for (int i = 0; i < items_.size(); ++i) {
        const TPresetItem& item = items_.at(i);
        SgUnit->setItem(i + 1, 0, readOnlyCell(QString::number(i + 1)));
        SgUnit->setItem(i + 1, 1, readOnlyCell(item.ItemName));
        SgUnit->setItem(i + 1, 2, readOnlyCell(item.ParaID));
    }
    filling_ = false;
    SgUnit->setCurrentCell(1, 1);
    selectItem(SgUnit->currentRow());
}

QString TFrmAllSetting::currentParaId() const {
    const int item = SgUnit->currentRow() - 1;
    return item >= 0 && item < items_.size() ? items_.at(item).ParaID : QString();
}

void TFrmAllSetting::selectItem(int row) {
    if (filling_ || row < 1 || row > items_.size())
        return;
    labDrop->setText(items_.at(row - 1).ItemName);
    fillUnitList();
}

void TFrmAllSetting::fillUnitList() {
    const QString paraId = currentParaId();
    units_ = PresetUnits(db_, *BaseClass->Lan, paraId.isEmpty() ? QStringLiteral("0") : paraId);
    filling_ = true;
    cboUnitList->clear();
    for (const TPresetUnit& unit : units_)
        cboUnitList->addItem(unit.Name);
    filling_ = false;
    if (!units_.isEmpty())
        cboUnitList->setCurrentIndex(0);
    changeUnit(cboUnitList->currentIndex());
    EnableInput(cboUnitList, !cboUnitList->currentText().isEmpty(), this,
                cboUnitList->currentText().isEmpty());
}

void TFrmAllSetting::changeUnit(int index) {
    if (filling_ || index < 0 || index >= units_.size())
        return;
    const TPresetUnit& unit = units_.at(index);
    labUnitItem->setText(unit.LongName);
    labInputRange->setText(unit.Range());
    presets_->Load(currentParaId(), unit);
    showPresets();
}

void TFrmAllSetting::showPresets() {
    filling_ = true;
    presetModel_->setRowCount(0);
    const QList<TPresetRow>& rows = presets_->Rows();
    for (int row = 0; row < rows.size(); ++row) {
        QList<QStandardItem*> cells = {new QStandardItem(rows.at(row).SortNo),
                                       new QStandardItem(rows.at(row).Value)};
        if (row == presets_->EditRow()) {
            for (QStandardItem* cell : cells)
                cell->setBackground(QColor(255, 248, 200)); // being corrected
        }
        presetModel_->appendRow(cells);
    }
    filling_ = false;
}

// Shows why a row was refused; true when it was.
bool TFrmAllSetting::refused(TPresetCheck check) {
    if (check == TPresetCheck::Accepted)
        return false;
    ShowMessageDlg(PresetCheckMessage(*BaseClass->Lan, check, *presets_),
                   BaseClass->Lan->GetMessageText(QStringLiteral("MSGMESSAGE")),
                   TMsgDlgType::mtInformation, ButtonCaptions, mbOK);
    return true;
}

void TFrmAllSetting::presetEdited(int row) {
    const auto text = [this, row](int column) {
        const QStandardItem* cell = presetModel_->item(row, column);
        return cell ? cell->text() : QString();
    };
    const TPresetCheck check = presets_->Post(row, text(0), text(1));
    if (check == TPresetCheck::WriteFailed)
        presets_->Cancel();
    if (check == TPresetCheck::Accepted)
        presetsChanged_ = true;
    showPresets();
    if (refused(check) && presets_->Editing()) {
        const QModelIndex cell = presetModel_->index(presets_->EditRow(), 0);
        dbgUnitItem->setCurrentIndex(cell);
        QTimer::singleShot(0, dbgUnitItem, [this, cell] { dbgUnitItem->edit(cell); });
    }
}

void TFrmAllSetting::addPreset() {
    if (units_.isEmpty())
        return;
    const TPresetCheck check = presets_->Append();
    presetsChanged_ = check == TPresetCheck::Accepted;
    if (check == TPresetCheck::WriteFailed)
        presets_->Cancel();
    showPresets();
    const int shown = presets_->Editing() ? presets_->EditRow() : presetModel_->rowCount() - 1;
    dbgUnitItem->setCurrentIndex(presetModel_->index(shown, 0));
    refused(check);
}

void TFrmAllSetting::deletePreset() {
    const int row = dbgUnitItem->currentIndex().row();
    switch (presets_->Delete(row)) {
    case TPresetDelete::LastRow:
        ShowKeyedMessage(QStringLiteral("MSG0068"), TMsgDlgType::mtInformation, mbOK);
        break;
    case TPresetDelete::Failed:
        if (row >= 0)
            ShowPlainMessage(BaseClass->Lan->GetMessageText(QStringLiteral("MSGPRESETFAIL")) +
                             presets_->LastError());
        break;
    case TPresetDelete::Deleted:
        presetsChanged_ = true;
        showPresets();
        break;
    case TPresetDelete::Protected:
        break;
    }
}

// Escape on the preset grid drops the row being corrected instead of closing the dialog.
bool TFrmAllSetting::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dbgUnitItem && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && presets_->Editing()) {
        presets_->Cancel();
        showPresets();
        return true;
    }
    // The header sets the column widths after the grid has resized: place the
    // chooser once they are settled.
    if (watched == SgUnitGroupDetail->viewport() && event->type() == QEvent::Resize)
        QTimer::singleShot(0, this, &TFrmAllSetting::placeUnitChooser);
    if (qobject_cast<QComboBox*>(watched) && event->type() == QEvent::Enter)
        showHint(static_cast<QWidget*>(watched)->toolTip());
    if (watched == SgUnitGroup->viewport() && event->type() == QEvent::MouseMove)
        schemeListHovered(static_cast<QMouseEvent*>(event)->position().toPoint());
    return TFrmShell::eventFilter(watched, event);
}
