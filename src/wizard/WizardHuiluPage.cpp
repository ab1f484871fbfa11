// Page 0 of the wizard: the system grid and its circuit options on the left, the
// circuit diagram and the working conditions on the right; in calculation mode
// the equipment panel below them.

#include "wizard/FrmActuatorSelection.h"

#include "controls/SkinButton.h"
#include "controls/SpeedButtonEx.h"
#include "wizard/WizardControls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr QSize PhotoSize{220, 150};
constexpr int LeftWidth = 470;

// A caption and its radios side by side; the radios exclude each other.
QWidget* radioLine(QWidget* parent, QLabel* caption, std::initializer_list<QRadioButton*> radios) {
    auto* line = new QWidget(parent);
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    caption->setParent(line);
    caption->setMinimumWidth(150);
    layout->addWidget(caption);
    for (QRadioButton* radio : radios) {
        radio->setParent(line);
        layout->addWidget(radio);
    }
    layout->addStretch();
    return line;
}

QGroupBox* circuitGroup(const char* name, QWidget* parent,
                        std::initializer_list<QRadioButton*> radios) {
    auto* group = new QGroupBox(parent);
    group->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(8, 4, 8, 4);
    for (QRadioButton* radio : radios) {
        radio->setParent(group);
        layout->addWidget(radio);
    }
    return group;
}

} // namespace

QWidget* TFrmActuatorSelection::buildHuiluPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Huilu"));
    auto* left = new QVBoxLayout;
    left->addWidget(buildCircuitChoice(page));
    left->addWidget(buildOptionPages(page));
    leftSlot_ = new QVBoxLayout;
    left->addLayout(leftSlot_, 1);

    auto* right = new QVBoxLayout;
    Image1 = WizardPicture("Image1", DiagramSize, page);
    right->addWidget(Image1, 0, Qt::AlignLeft);
    right->addWidget(buildConditions(page));
    right->addStretch();

    // The photo or the equipment panel goes below the options, by the mode.
    ImgPhoto = WizardPicture("ImgPhoto", PhotoSize, page);
    auto* scroll = new QScrollArea(page);
    scroll->setObjectName(QStringLiteral("sbjiqi"));
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(buildEquipmentPanel(scroll));
    sbjiqi = scroll;

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addSpacing(12);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(columns, 1);
    layout->addWidget(navigationRow(page, {"SkbNext_huilu", "SkbCancel_huilu"}));
    return page;
}

QWidget* TFrmActuatorSelection::buildCircuitChoice(QWidget* parent) {
    auto* box = new QWidget(parent);
    box->setFixedWidth(LeftWidth);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    QLabel* heading = WizardLabel("LblHuilu", QStringLiteral("System"), box, false);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);

    Sghuilu = WizardListGrid("Sghuilu", 2, box);
    Sghuilu->setRowCount(4);
    Sghuilu->setProperty("tag", 1); // its cells come from the language file
    Sghuilu->setColumnWidth(0, 150);
    Sghuilu->verticalHeader()->setDefaultSectionSize(28);
    Sghuilu->setFixedHeight(4 * 28 + 2);
    Sghuilu->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Sghuilu->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 2; ++column)
            Sghuilu->setItem(row, column, new QTableWidgetItem);
    }
    layout->addWidget(Sghuilu);
    return box;
}

QWidget* TFrmActuatorSelection::buildOptionPages(QWidget* parent) {
    Notebook2 = new QStackedWidget(parent);
    Notebook2->setObjectName(QStringLiteral("Notebook2"));
    Notebook2->setFixedWidth(LeftWidth);

    auto* row0 = new QWidget(Notebook2);
    auto* layout0 = new QVBoxLayout(row0);
    layout0->addWidget(radioLine(row0, WizardLabel("LblPohuai1", "Release valve", row0),
                                 {WizardRadio("Rbpohuai_shiyoug1", "Used", row0),
                                  WizardRadio("Rbpohuai_bushiyoug1", "Not used", row0)}));
    layout0->addStretch();

    auto* row1 = new QWidget(Notebook2);
    auto* layout1 = new QVBoxLayout(row1);
    layout1->addWidget(radioLine(row1, WizardLabel("LblPohuai2", "Release valve", row1),
                                 {WizardRadio("Rbpohuai_shiyoug2", "Used", row1),
                                  WizardRadio("Rbpohuai_bushiyoug2", "Not used", row1)}));
    auto* released = new QWidget(row1);
    released->setObjectName(QStringLiteral("panHuilu2"));
    auto* releasedLayout = new QVBoxLayout(released);
    releasedLayout->setContentsMargins(0, 0, 0, 0);
    releasedLayout->addWidget(
        circuitGroup("GblHuilu1", released,
                     {WizardRadio("Rbhuilu2_1", "Supply valve V1 and release valve V2", released),
                      WizardRadio("Rbhuilu2_2", "Supply valve V1 and switching valve V3", released),
                      WizardRadio("Rbhuilu2_3", "Switching valve V3", released)}));
    releasedLayout->addWidget(radioLine(released,
                                        WizardLabel("LblJieliu1", "Release throttle", released),
                                        {WizardRadio("Rbjeliu_shiyoug1", "Used", released),
                                         WizardRadio("Rbjeliu_bushiyoug1", "Not used", released)}));
    layout1->addWidget(released);
    layout1->addStretch();

    auto* row2 = new QWidget(Notebook2);
    auto* layout2 = new QVBoxLayout(row2);
    layout2->addWidget(
        WizardLabel("LblNoOption", "No further options for this system.", row2, false));
    layout2->addStretch();

    auto* row3 = new QWidget(Notebook2);
    auto* layout3 = new QVBoxLayout(row3);
    layout3->addWidget(
        circuitGroup("GblHuilu2", row3,
                     {WizardRadio("Rbhuilu4_1", "Switching valve V3 and release valve V2", row3),
                      WizardRadio("Rbhuilu4_2", "Switching valve V3", row3)}));
    layout3->addWidget(radioLine(row3, WizardLabel("LblJieliu2", "Release throttle", row3),
                                 {WizardRadio("Rbjeliu_shiyoug2", "Used", row3),
                                  WizardRadio("Rbjeliu_bushiyoug2", "Not used", row3)}));
    layout3->addStretch();

    for (QWidget* options : {row0, row1, row2, row3})
        Notebook2->addWidget(options);
    for (const char* initially : {"Rbpohuai_shiyoug1", "Rbpohuai_shiyoug2", "Rbhuilu2_1",
                                  "Rbjeliu_shiyoug1", "Rbhuilu4_1", "Rbjeliu_shiyoug2"})
        Named<QRadioButton>(Notebook2, initially)->setChecked(true);
    return Notebook2;
}

QWidget* TFrmActuatorSelection::buildConditions(QWidget* parent) {
    auto* group = new QGroupBox(parent);
    group->setObjectName(QStringLiteral("GbCondition"));
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setVerticalSpacing(4);
    AddValueRow(grid, "LblYingdashijian", "Adsorption response time", "Cbyingdashijian",
                "Btnyingdashijian", group);
    const int attitude = grid->rowCount();
    grid->addWidget(WizardLabel("LblAnZhuangZiShi", "Lifting attitude", group), attitude, 0);
    CbAnZhuangZiShi = new QComboBox(group);
    CbAnZhuangZiShi->setObjectName(QStringLiteral("CbAnZhuangZiShi"));
    CbAnZhuangZiShi->addItems({QStringLiteral("Horizontal"), QStringLiteral("Vertical")});
    grid->addWidget(CbAnZhuangZiShi, attitude, 1);
    AddValueRow(grid, "LblAnquanlv", "Safety factor", "CbAnquanlv", "BtnAnquanlv", group)
        .Button->hide();
    AddValueRow(grid, "LblGongYingYaLi", "Release supply pressure", "CbGongYingYaLi",
                "BtnGongYingYaLi", group);
    AddValueRow(grid, "LblZhenKongPengYaLi", "Vacuum pump pressure", "CbZhenKongPengYaLi",
                "BtnZhenKongPengYaLi", group);
    AddValueRow(grid, "Lblgongjianzhiliang", "Workpiece mass", "Cbgongjianzhiliang",
                "Btngongjianzhiliang", group);
    grid->setColumnStretch(3, 1);
    return group;
}
