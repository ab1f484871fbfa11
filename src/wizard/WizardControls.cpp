#include "wizard/WizardControls.h"

#include "controls/SkinButton.h"
#include "controls/SpeedButtonEx.h"
#include "lang/XMLLan.h"
#include "settings/BaseClass.h"
#include "units/UnitConversion.h"
#include "wizard/EjectorSelection.h"
#include "wizard/WizardContext.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int RowHeight = 26;

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

QLabel* WizardPicture(const char* name, QSize size, QWidget* parent, bool framed) {
    auto* picture = named(new QLabel(parent), name);
    picture->setFixedSize(size);
    picture->setAlignment(Qt::AlignCenter);
    if (framed)
        picture->setFrameShape(QFrame::StyledPanel);
    return picture;
}

QTableWidget* WizardListGrid(const char* name, int columns, QWidget* parent) {
    auto* grid = named(new QTableWidget(0, columns, parent), name);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(24);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->horizontalHeader()->setStretchLastSection(true);
    return grid;
}

QString SeriesDisplayName(const QString& id) {
    const QString name = BaseClass && BaseClass->Lan
                             ? BaseClass->Lan->GetDataText(QStringLiteral("SERIES"), id,
                                                           QStringLiteral("SERIES_Name"))
                             : QString();
    return name.isEmpty() ? id : name;
}

std::optional<double> NumberIn(const QComboBox* box) {
    return ParseNumber(box->currentText());
}

QLabel* WizardLabel(const char* name, const QString& text, QWidget* parent, bool hinted) {
    auto* label = named(new QLabel(text, parent), name);
    if (hinted)
        label->setProperty("tag", 1);
    return label;
}

QRadioButton* WizardRadio(const char* name, const QString& text, QWidget* parent) {
    return named(new QRadioButton(text, parent), name);
}

TSkinButton* WizardButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = named(new TSkinButton(parent), name);
    button->SetSkinButtonStyle(sbsBtn);
    button->SetCaption(caption);
    button->setFixedSize(132, 34);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

TValueRow AddValueRow(QGridLayout* grid, const char* label, const QString& text, const char* box,
                      const char* button, QWidget* parent) {
    TValueRow row{WizardLabel(label, text, parent), named(new QComboBox(parent), box),
                  named(new TSpeedButtonEx(parent), button)};
    row.Box->setEditable(true);
    row.Box->setFixedHeight(RowHeight);
    row.Box->setMinimumWidth(110);
    row.Button->setFixedSize(84, RowHeight);
    const int line = grid->rowCount();
    grid->addWidget(row.Label, line, 0);
    grid->addWidget(row.Box, line, 1);
    grid->addWidget(row.Button, line, 2);
    return row;
}

TModelRow AddModelRow(QGridLayout* grid, const char* label, const QString& text, const char* model,
                      const char* button, int kind, QWidget* parent) {
    TModelRow row{WizardLabel(label, text, parent), named(new QLineEdit(parent), model),
                  named(new TSkinButton(parent), button)};
    row.Model->setReadOnly(true);
    row.Model->setFixedHeight(RowHeight);
    row.Choose->SetSkinButtonStyle(sbsBtn);
    row.Choose->setFixedSize(84, RowHeight);
    row.Choose->setProperty("tag", kind);
    const int line = grid->rowCount();
    grid->addWidget(row.Label, line, 0);
    grid->addWidget(row.Model, line, 1);
    grid->addWidget(row.Choose, line, 2);
    return row;
}

QGroupBox* WizardRadioGroup(const char* name, const QString& title,
                            std::initializer_list<std::pair<const char*, const char*>> radios,
                            QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QLatin1String(name));
    auto* row = new QHBoxLayout(group);
    for (const auto& [radio, text] : radios)
        row->addWidget(WizardRadio(radio, QLatin1String(text), group));
    row->addStretch();
    return group;
}

QPlainTextEdit* SeriesNote(const char* name, QWidget* parent, bool underList) {
    auto* note = new QPlainTextEdit(parent);
    note->setObjectName(QLatin1String(name));
    note->setReadOnly(true);
    if (underList)
        note->setMaximumHeight(100); // four lines: the list keeps the height
    return note;
}

namespace {

const char* const PressureRadios[] = {"RbGyyldot35", "RbGyyldot4", "RbGyyldot45", "RbGyyldot5"};

} // namespace

QWidget* EjectorChoicePanel(QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QStringLiteral("PlEJInput"));
    auto* rows = new QVBoxLayout(panel);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addWidget(
        WizardRadioGroup("GbEJType", "Ejector type",
                         {{"RbBiaoZhun", "Standard flow"}, {"RbDaLiuLiang", "Large flow"}}, panel));
    rows->addWidget(WizardRadioGroup("GbBiaoZhunYaLI", "Standard supply pressure",
                                     {{"RbGyyldot35", "35MPa"},
                                      {"RbGyyldot4", "4MPa"},
                                      {"RbGyyldot45", "45MPa"},
                                      {"RbGyyldot5", "5MPa"}},
                                     panel));
    Named<QRadioButton>(panel, "RbBiaoZhun")->setChecked(true);
    const QString separator = QLocale().decimalPoint();
    for (const char* name : PressureRadios) {
        auto* radio = Named<QRadioButton>(panel, name);
        radio->setText("0" + separator + radio->text());
        radio->setEnabled(false);
    }
    Named<QRadioButton>(panel, "RbGyyldot5")->setChecked(true);
    return panel;
}

void ShowEjectorChoices(QWidget* scope, const TStandardPressures& offered) {
    for (int index = 0; index < 4; ++index) {
        auto* radio = Named<QRadioButton>(scope, PressureRadios[index]);
        radio->setEnabled(offered.Offered[index]);
        radio->setAutoExclusive(false);
        radio->setChecked(index == offered.Lowest());
        radio->setAutoExclusive(true);
    }
    auto* standard = Named<QRadioButton>(scope, "RbBiaoZhun");
    auto* large = Named<QRadioButton>(scope, "RbDaLiuLiang");
    standard->setEnabled(offered.Standard);
    large->setEnabled(offered.Large);
    if (!large->isEnabled() && large->isChecked())
        standard->setChecked(true);
}

double CheckedStandardPressure(const QWidget* scope) {
    return TWizardContext::SelectedStandardPressure(
        Named<QRadioButton>(scope, "RbGyyldot5")->isChecked(),
        Named<QRadioButton>(scope, "RbGyyldot45")->isChecked(),
        Named<QRadioButton>(scope, "RbGyyldot4")->isChecked());
}
