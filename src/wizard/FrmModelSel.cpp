#include "wizard/FrmModelSel.h"

#include "controls/CommonDialogs.h"
#include "controls/LanguageApply.h"
#include "controls/SkinButton.h"
#include "core/DMComm.h"
#include "lang/XMLLan.h"
#include "settings/BaseClass.h"
#include "wizard/FrmActuatorSelection.h"
#include "wizard/WizardControls.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

TFrmModelSel* FrmModelSel = nullptr;

namespace {

const char* const EjectorRadios[] = {"RbBiaoZhun", "RbDaLiuLiang", "RbGyyldot35",
                                     "RbGyyldot4", "RbGyyldot45",  "RbGyyldot5"};

QString formText(const char* item) {
    return BaseClass && BaseClass->Lan
               ? BaseClass->Lan->GetFormItemText(QStringLiteral("FrmModelSel"), QLatin1String(item))
               : QString();
}

// Whether the wizard is copying its radios into the dialog.
bool syncing() {
    return FrmActuatorSelection && FrmActuatorSelection->Context().SyncingModelSel;
}

} // namespace

TFrmModelSel::TFrmModelSel(QWidget* parent) : TFrmShell(parent) {
    setObjectName(QStringLiteral("FrmModelSel"));
    setWindowTitle(QStringLiteral("Model selection"));
    build();
    resize(720, 500);
}

void TFrmModelSel::build() {
    QWidget* panel = ClientPanel();
    sgSeries = WizardListGrid("sgSeries", 1, panel);
    sgSeries->setFixedWidth(200);
    sgModelNo = WizardListGrid("sgModelNo", 2, panel);
    sgModelNo->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    LblSerise = WizardLabel("LblSerise", QStringLiteral("Series"), panel, false);
    LblModelNoTitle = WizardLabel("LblModelNoTitle", QStringLiteral("Model"), panel, false);
    LblModelNoTitle2 = WizardLabel("LblModelNoTitle2", QString(), panel, false);
    auto* separator = new QFrame(panel);
    separator->setObjectName(QStringLiteral("shaModelNo1"));
    separator->setFrameShape(QFrame::VLine);
    shaModelNo1 = separator;

    NbInput = new QStackedWidget(panel);
    NbInput->setObjectName(QStringLiteral("NbInput"));
    QWidget* pads = WizardRadioGroup(
        "GbHuanChong", "Buffer",
        {{"Rbhuangchong_yes", "With buffer"}, {"Rbhuangchong_no", "Without buffer"}}, NbInput);
    pads->setObjectName(QStringLiteral("PT"));
    QWidget* ejectors = EjectorChoicePanel(NbInput);
    ejectors->setObjectName(QStringLiteral("EJ"));
    NbInput->addWidget(pads);
    NbInput->addWidget(ejectors);
    Rbhuangchong_yes = Named<QRadioButton>(pads, "Rbhuangchong_yes");
    Rbhuangchong_no = Named<QRadioButton>(pads, "Rbhuangchong_no");
    Rbhuangchong_yes->setChecked(true);
    RbBiaoZhun = Named<QRadioButton>(ejectors, "RbBiaoZhun");
    RbDaLiuLiang = Named<QRadioButton>(ejectors, "RbDaLiuLiang");
    RbGyyldot35 = Named<QRadioButton>(ejectors, "RbGyyldot35");
    RbGyyldot4 = Named<QRadioButton>(ejectors, "RbGyyldot4");
    RbGyyldot45 = Named<QRadioButton>(ejectors, "RbGyyldot45");
    RbGyyldot5 = Named<QRadioButton>(ejectors, "RbGyyldot5");

    btnOk = DialogButton("btnOk", QStringLiteral("OK"), panel);
    btnCancel = DialogButton("btnCancel", QStringLiteral("Cancel"), panel);

    auto* titles = new QHBoxLayout;
    titles->addWidget(LblModelNoTitle, 1);
    titles->addWidget(shaModelNo1);
    titles->addWidget(LblModelNoTitle2, 1);
    auto* grid = new QGridLayout;
    grid->addWidget(LblSerise, 0, 0);
    grid->addLayout(titles, 0, 1);
    grid->addWidget(sgSeries, 1, 0);
    grid->addWidget(sgModelNo, 1, 1);
    grid->addWidget(NbInput, 2, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);
    NbInput->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);

    connect(sgSeries, &QTableWidget::currentCellChanged, this,
            [this](int row) { seriesSelected(row); });
    for (QRadioButton* radio : {Rbhuangchong_yes, Rbhuangchong_no})
        connect(radio, &QRadioButton::clicked, this, [this] { fillModels(std::nullopt); });
    for (const char* name : EjectorRadios)
        connect(Named<QRadioButton>(ejectors, name), &QRadioButton::clicked, this,
                &TFrmModelSel::ejectorRadioClicked);
    connect(sgModelNo, &QTableWidget::cellDoubleClicked, this, &TFrmModelSel::confirm);
    connect(btnOk, &TSkinButton::clicked, this, &TFrmModelSel::confirm);
    connect(btnCancel, &TSkinButton::clicked, this, [this] {
        accepted_ = false;
        reject();
    });
}

// OK is the default button: Enter confirms the selected model.
void TFrmModelSel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        confirm();
    else
        TFrmShell::keyPressEvent(event);
}

void TFrmModelSel::applyLanguage() {
    if (BaseClass && BaseClass->Lan)
        ApplyToForm(*BaseClass->Lan, this, ShowHint);
}

// One model column across the list, or two of equal width: the model and its
// area or conductance.
void TFrmModelSel::layOut() {
    const int kind = request_.Kind;
    const bool ejectorInputs =
        kind == mkEjector && (request_.SystemCat == 1 || request_.SystemCat == 2);
    NbInput->setVisible(kind == mkPad || ejectorInputs);
    NbInput->setCurrentIndex(kind == mkPad ? 0 : 1);
    NbInput->setMaximumHeight(NbInput->currentWidget()->sizeHint().height());
    // The columns share the list's width.
    const bool twoColumns = kind == mkPad || kind >= mkSupplyValve;
    sgModelNo->setColumnCount(twoColumns ? 2 : 1);
    shaModelNo1->setVisible(twoColumns);
    LblModelNoTitle2->setVisible(twoColumns);
    if (twoColumns)
        LblModelNoTitle2->setText(
            formText(kind == mkPad ? "LblModelNoTitle2.Caption" : "LblModelNoTitle3.Caption"));
}

void TFrmModelSel::Prepare(const TModelChoiceRequest& request, const QString& product) {
    applyLanguage();
    request_ = request;
    accepted_ = false;
    const QString title = formText("labTitle.Caption");
    setWindowTitle((title.isEmpty() ? QStringLiteral("Model selection") : title) + '-' + product);
    layOut();
    fillSeries();
}

bool TFrmModelSel::Choose(const TModelChoiceRequest& request, const QString& product) {
    Prepare(request, product);
    // OK on an empty list sets accepted but stays open; closing the window after
    // it names nothing.
    accepted_ = exec() == QDialog::Accepted;
    return accepted_;
}

void TFrmModelSel::fillSeries() {
    const QSignalBlocker quiet(sgSeries);
    sgSeries->setRowCount(0);
    const QList<TListRow> rows = DMComm ? ModelSeriesRows(*DMComm, request_) : QList<TListRow>();
    seriesKeys_.clear();
    if (rows.isEmpty()) {
        // No series: no model of an earlier use may be taken for this product.
        models_.clear();
        sgModelNo->setRowCount(0);
        return;
    }
    sgSeries->setRowCount(int(rows.size()));
    int current = 0;
    for (int row = 0; row < rows.size(); ++row) {
        sgSeries->setItem(row, 0, new QTableWidgetItem(SeriesDisplayName(rows[row].Id)));
        seriesKeys_.append(rows[row].Key);
        if (rows[row].Key == request_.SeriesId)
            current = row;
    }
    sgSeries->setCurrentCell(current, 0);
    seriesSelected(current);
}

void TFrmModelSel::seriesSelected(int row) {
    if (row < 0 || row >= seriesKeys_.size())
        return;
    seriesId_ = seriesKeys_[row];
    if (request_.Kind == mkEjector && (request_.SystemCat == 1 || request_.SystemCat == 2)) {
        if (DMComm)
            updateEjectorChoices(ModelListRows(*DMComm, request_, seriesId_, true, std::nullopt));
        fillModels(ejectorFilter());
        return;
    }
    fillModels(std::nullopt);
}

void TFrmModelSel::updateEjectorChoices(const QList<TModelListRow>& unfiltered) {
    ShowEjectorChoices(NbInput->widget(1), EjectorChoices(unfiltered));
}

std::optional<TEjectorFilter> TFrmModelSel::ejectorFilter() const {
    return TEjectorFilter{RbBiaoZhun->isChecked() ? QStringLiteral("S") : QStringLiteral("L"),
                          StandardPressure()};
}

void TFrmModelSel::ejectorRadioClicked() {
    if (syncing())
        return;
    fillModels(ejectorFilter());
}

void TFrmModelSel::fillModels(const std::optional<TEjectorFilter>& filter) {
    models_ =
        DMComm ? ModelListRows(*DMComm, request_, seriesId_, Rbhuangchong_yes->isChecked(), filter)
               : QList<TModelListRow>();
    sgModelNo->setRowCount(int(models_.size()));
    int current = 0;
    for (int row = 0; row < models_.size(); ++row) {
        sgModelNo->setItem(row, 0, new QTableWidgetItem(models_[row].Text));
        if (sgModelNo->columnCount() > 1)
            sgModelNo->setItem(row, 1, new QTableWidgetItem(models_[row].Second));
        if (models_[row].Id == request_.ModelId)
            current = row;
    }
    if (!models_.isEmpty())
        sgModelNo->setCurrentCell(current, 0);
}

// OK on an empty model list keeps the dialog open.
void TFrmModelSel::confirm() {
    accepted_ = true;
    const int row = sgModelNo->currentRow();
    if (models_.isEmpty() || row < 0 || row >= models_.size())
        return;
    modelId_ = models_[row].Id;
    modelText_ = models_[row].Text;
    accept();
}

double TFrmModelSel::StandardPressure() const {
    return CheckedStandardPressure(NbInput->widget(1));
}

void TFrmModelSel::CopyEjectorRadios(const QWidget* from) {
    for (const char* name : EjectorRadios) {
        const auto* source = Named<QRadioButton>(from, name);
        auto* target = Named<QRadioButton>(NbInput->widget(1), name);
        target->setEnabled(source->isEnabled());
        target->setAutoExclusive(false);
        target->setChecked(source->isChecked());
        target->setAutoExclusive(true);
    }
}
