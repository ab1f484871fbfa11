// Pages 3 to 5 of the wizard (ejector, valves, result) with their inputs, diagrams
// and navigation. The selection steps that fill them arrive page by page; until
// then a page holds its inputs and its moves back.

#include "wizard/FrmActuatorSelection.h"

#include "controls/SkinButton.h"
#include "controls/SpeedButtonEx.h"
#include "wizard/WizardControls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

struct TStepPage {
    const char* Name;
    const char* Picture;
    QStringList Buttons;
};

const TStepPage StepPages[] = {
    {"EJ", "Image12", {"SkbNext_EJ", "SkbReturn_EJ", "SkbCancel_EJ"}},
    {"Va", "Image13", {"SkbNext_VA", "SkbReturn_VA", "SkbCancel_VA"}},
    {"Result", "Image14", {"SkbReturn_Result", "SkbCancel_Result"}},
};

QGridLayout* inputGrid(QWidget* page, QBoxLayout* column) {
    auto* group = new QGroupBox(page);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setColumnStretch(0, 1);
    column->addWidget(group);
    return grid;
}

void addPageInputs(int page, QWidget* owner, QBoxLayout* column) {
    switch (page) {
    case wpEJ: {
        auto* group = new QGroupBox(owner);
        group->setObjectName(QStringLiteral("GbStandardPressure"));
        auto* radios = new QHBoxLayout(group);
        radios->addWidget(WizardLabel("LblGyyl", "Standard supply pressure", group));
        for (const char* name : {"RbGyyldot35", "RbGyyldot4", "RbGyyldot45", "RbGyyldot5"})
            radios->addWidget(WizardRadio(name, QString(), group));
        Named<QRadioButton>(group, "RbGyyldot5")->setChecked(true);
        radios->addStretch();
        column->addWidget(group);
        break;
    }
    case wpResult: {
        QGridLayout* grid = inputGrid(owner, column);
        grid->addWidget(WizardLabel("LblSelectET", "Ejector", owner), 0, 0);
        auto* model = new QLineEdit(owner);
        model->setObjectName(QStringLiteral("EdtSelectET"));
        model->setReadOnly(true);
        grid->addWidget(model, 0, 1);
        AddValueRow(grid, "Lblzhenkongyl_out", "Working vacuum", "CBzhenkongyl_out",
                    "Btnzhenkongyl_out", owner);
        break;
    }
    default:
        break;
    }
}

} // namespace

QWidget* TFrmActuatorSelection::buildStepPage(int page) {
    const TStepPage& step = StepPages[page - wpEJ];
    auto* widget = new QWidget;
    widget->setObjectName(QLatin1String(step.Name));
    auto* column = new QVBoxLayout;
    addPageInputs(page, widget, column);
    column->addStretch();
    QLabel* diagram = WizardPicture(step.Picture, DiagramSize, widget);
    auto* columns = new QHBoxLayout;
    columns->addLayout(column, 1);
    columns->addWidget(diagram, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(columns, 1);
    layout->addWidget(navigationRow(widget, step.Buttons));
    return widget;
}
