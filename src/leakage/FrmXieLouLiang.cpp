#include "leakage/FrmXieLouLiang.h"

#include "controls/CommonDialogs.h"
#include "controls/LanguageApply.h"
#include "controls/SkinButton.h"
#include "core/DMComm.h"
#include "leakage/FrmShowMaterial.h"
#include "settings/BaseClass.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int ColumnWidths[] = {103, 145, 104, 127};
constexpr int RowHeight = 22;
constexpr int LinkWidth = 70;

// Link labels are dark red; hovered, blue, bold and underlined.
const char* const LinkStyle = "color: #800000;";
const char* const HoveredLinkStyle = "color: blue; font-weight: bold; text-decoration: underline;";

QLabel* namedLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QComboBox* choiceBox(const char* name, const QStringList& items, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->addItems(items);
    box->setMinimumWidth(130);
    return box;
}

// The heading above a grid column, as wide as the column.
QLabel* heading(const char* name, const QString& text, int width, QWidget* parent) {
    QLabel* label = namedLabel(QLatin1String(name), text, parent);
    label->setFixedWidth(width);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: white; background: #31587e; padding: 3px;"
                                        "font-weight: 600;"));
    return label;
}

} // namespace

TFrmXieLouLiang::TFrmXieLouLiang(QWidget* parent, TDMComm* db)
    : TFrmShell(parent), db_(db ? db : DMComm) {
    setObjectName(QStringLiteral("FrmXieLouLiang"));
    setWindowTitle(QStringLiteral("Workpiece leakage reference"));
    createControls();
    layOut();
    fillPads();
    applyLanguage();
    CbSHAPE->setCurrentIndex(0);
    CbSK_PAD->setCurrentIndex(0);
    CbMATERIA->setCurrentIndex(0);
    for (QComboBox* box : {CbSK_PAD, CbSHAPE, CbMATERIA})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
    Refresh();
}

void TFrmXieLouLiang::createControls() {
    QWidget* client = ClientPanel();
    CbSK_PAD = choiceBox("CbSK_PAD", {}, client);
    CbSHAPE = choiceBox("CbSHAPE", {QStringLiteral("Flat"), QStringLiteral("Bellows")}, client);
    CbMATERIA = choiceBox(
        "CbMATERIA",
        {QStringLiteral("NBR"), QStringLiteral("Silicone rubber"), QStringLiteral("Fluororubber")},
        client);

    SgList = new QTableWidget(LeakageRowCount, 4, client);
    SgList->setObjectName(QStringLiteral("SgList"));
    SgList->horizontalHeader()->hide();
    SgList->verticalHeader()->hide();
    SgList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    SgList->verticalHeader()->setDefaultSectionSize(RowHeight);
    SgList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SgList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SgList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SgList->setStyleSheet(QStringLiteral("QTableWidget { gridline-color: #c8d0d8; }"));
    for (int r = 0; r < LeakageRowCount; ++r)
        for (int c = 0; c < 4; ++c) {
            auto* cell = new QTableWidgetItem;
            if (c >= 2)
                cell->setTextAlignment(Qt::AlignCenter);
            SgList->setItem(r, c, cell);
        }

    for (int tag = 1; tag <= LeakageRowCount; ++tag) {
        const QString name = tag == 1 ? QStringLiteral("LblCanZhao")
                                      : QStringLiteral("Label%1").arg(tag + 8); // Label10 ..
        QLabel* link = namedLabel(name, QStringLiteral("View"), client);
        link->setProperty("tag", tag);
        link->setFixedSize(LinkWidth, RowHeight);
        link->setAlignment(Qt::AlignCenter);
        link->setCursor(Qt::PointingHandCursor);
        link->setStyleSheet(QLatin1String(LinkStyle));
        link->installEventFilter(this);
        links_.append(link);
    }
    BtnClose = DialogButton("BtnClose", QStringLiteral("Close"), client);
    connect(BtnClose, &TSkinButton::clicked, this, &QDialog::accept);
}

void TFrmXieLouLiang::layOut() {
    QWidget* client = ClientPanel();
    auto* choices = new QGridLayout;
    choices->setHorizontalSpacing(10);
    choices->addWidget(namedLabel(QStringLiteral("LblSK_PAD"), QStringLiteral("Pad"), client), 0,
                       0);
    choices->addWidget(namedLabel(QStringLiteral("LblSHAPE"), QStringLiteral("Pad shape"), client),
                       0, 1);
    choices->addWidget(
        namedLabel(QStringLiteral("LblMATERIA"), QStringLiteral("Pad material"), client), 0, 2);
    choices->addWidget(CbSK_PAD, 1, 0);
    choices->addWidget(CbSHAPE, 1, 1);
    choices->addWidget(CbMATERIA, 1, 2);
    choices->setColumnStretch(3, 1);

    auto* headings = new QHBoxLayout;
    headings->setSpacing(0);
    const char* const names[] = {"LblHeadMaterial", "LblHeadSurface", "LblHeadPressure",
                                 "LblHeadLeakage"};
    const QString texts[] = {QStringLiteral("Material"), QStringLiteral("Surface"),
                             QStringLiteral("Vacuum pressure [kPa]"),
                             QStringLiteral("Leakage [L/min (ANR)]")};
    for (int c = 0; c < 4; ++c)
        headings_.append(heading(names[c], texts[c], ColumnWidths[c], client));
    headings_.append(heading("LblHeadPhoto", QStringLiteral("Photo"), LinkWidth, client));
    for (QLabel* label : std::as_const(headings_))
        headings->addWidget(label);
    headings->addStretch();

    auto* linkColumn = new QVBoxLayout;
    linkColumn->setContentsMargins(0, SgList->frameWidth(), 0, 0);
    linkColumn->setSpacing(0);
    for (QLabel* link : std::as_const(links_))
        linkColumn->addWidget(link);
    linkColumn->addStretch();
    auto* table = new QHBoxLayout;
    table->setSpacing(6);
    table->addWidget(SgList);
    table->addLayout(linkColumn);
    table->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnClose);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(8);
    layout->addLayout(choices);
    layout->addSpacing(4);
    layout->addLayout(headings);
    layout->addSpacing(-6);
    layout->addLayout(table);
    layout->addLayout(buttons);
    fitColumns();
    resize(640, 600);
}

// The designed column widths, wider where a language's texts need it; the
// headings follow the columns.
void TFrmXieLouLiang::fitColumns() {
    const int frame = SgList->frameWidth();
    int width = 0;
    for (int c = 0; c < 4; ++c) {
        int fit = 0;
        for (int r = 0; c < 2 && r < LeakageRowCount; ++r)
            fit =
                std::max(fit, SgList->fontMetrics().horizontalAdvance(SgList->item(r, c)->text()));
        fit += 12; // the cell's margins
        SgList->setColumnWidth(c, std::max(ColumnWidths[c], fit));
        width += SgList->columnWidth(c);
        const int edge = c == 0 || c == 3 ? frame : 0;
        headings_[c]->setFixedWidth(SgList->columnWidth(c) + edge);
    }
    headings_[4]->setFixedWidth(LinkWidth + frame + 6);
    SgList->setFixedSize(width + 2 * frame, LeakageRowCount * RowHeight + 2 * frame);
}

void TFrmXieLouLiang::showEvent(QShowEvent* event) {
    // The texts of the language are in place now. Every link takes the caption
    // of the first, so the language file names it once.
    fitColumns();
    for (QLabel* link : std::as_const(links_))
        link->setText(links_.first()->text());
    TFrmShell::showEvent(event);
}

void TFrmXieLouLiang::applyLanguage() {
    if (!BaseClass || !BaseClass->Lan)
        return;
    ApplyToForm(*BaseClass->Lan, this, ShowHint);
}

void TFrmXieLouLiang::fillPads() {
    CbSK_PAD->clear();
    if (db_)
        CbSK_PAD->addItems(LeakagePads(*db_));
}

void TFrmXieLouLiang::Refresh() {
    TLeakageCells cells;
    if (db_) {
        const TLeakageChoice choice{CbSK_PAD->currentText(), CbSHAPE->currentIndex(),
                                    CbMATERIA->currentIndex()};
        QString error;
        ReadLeakageCells(*db_, choice, cells, error); // a failed read shows empty cells
    }
    for (int r = 0; r < LeakageRowCount; ++r) {
        SgList->item(r, 2)->setText(cells.Pressure[r]);
        SgList->item(r, 3)->setText(cells.Flow[r]);
    }
}

QString TFrmXieLouLiang::PhotoTitle(int tag) const {
    QStringList materials;
    QStringList surfaces;
    for (int r = 0; r < LeakageRowCount; ++r) {
        materials << SgList->item(r, 0)->text();
        surfaces << SgList->item(r, 1)->text();
    }
    return LeakagePhotoTitle(materials, surfaces, tag - 1);
}

void TFrmXieLouLiang::ShowPhoto(int tag) {
    TFrmShowMaterial photo(this);
    photo.ShowMaterial(PhotoTitle(tag), tag);
    photo.exec();
}

void TFrmXieLouLiang::setLinkHovered(QLabel* link, bool hovered) {
    link->setStyleSheet(QLatin1String(hovered ? HoveredLinkStyle : LinkStyle));
}

bool TFrmXieLouLiang::eventFilter(QObject* watched, QEvent* event) {
    auto* link = qobject_cast<QLabel*>(watched);
    if (link && links_.contains(link)) {
        switch (event->type()) {
        case QEvent::Enter:
            setLinkHovered(link, true);
            break;
        case QEvent::Leave:
            setLinkHovered(link, false);
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
                link->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
                ShowPhoto(link->property("tag").toInt());
                setLinkHovered(link, false); // the photo window took the mouse away
                return true;
            }
            break;
        default:
            break;
        }
    }
    return TFrmShell::eventFilter(watched, event);
}
