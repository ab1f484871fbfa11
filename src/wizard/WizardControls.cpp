#include "wizard/WizardControls.h"

#include "controls/SkinButton.h"
#include "controls/SpeedButtonEx.h"
#include "units/UnitConversion.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableWidget>

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
