// Page 5 of the wizard: the result. Until the result page arrives in full it
// holds the chosen ejector, the working vacuum input and its moves back.

#include "wizard/FrmActuatorSelection.h"

#include "controls/SkinButton.h"
#include "controls/SpeedButtonEx.h"
#include "wizard/WizardControls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

QWidget* TFrmActuatorSelection::buildResultPage() {
    auto* widget = new QWidget;
    widget->setObjectName(QStringLiteral("Result"));
    auto* column = new QVBoxLayout;
    auto* group = new QGroupBox(widget);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setColumnStretch(1, 1);
    grid->addWidget(WizardLabel("LblSelectET", "Ejector", widget), 0, 0);
    const std::pair<const char*, int> fields[] = {{"EdtSelectET", 1}, {"EdtSelectETCount", 2}};
    for (const auto& [name, place] : fields) {
        auto* field = new QLineEdit(widget);
        field->setObjectName(QLatin1String(name));
        field->setReadOnly(true);
        grid->addWidget(field, 0, place);
    }
    AddValueRow(grid, "Lblzhenkongyl_out", "Working vacuum", "CBzhenkongyl_out",
                "Btnzhenkongyl_out", widget);
    column->addWidget(group);
    column->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(column, 1);
    columns->addWidget(WizardPicture("Image14", DiagramSize, widget), 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(columns, 1);
    layout->addWidget(navigationRow(widget, {"SkbReturn_Result", "SkbCancel_Result"}));
    return widget;
}
