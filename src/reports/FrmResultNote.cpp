#include "reports/FrmResultNote.h"

#include "controls/LanguageApply.h"
#include "controls/SkinButton.h"
#include "core/Globals.h"
#include "lang/XMLLan.h"
#include "settings/BaseClass.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <cmath>

QStringList ResultNoteLines(const std::function<QString(const QString& item)>& text) {
    auto line = [&text](int i) {
        return text(QStringLiteral("EdtCaclResultNote%1.Caption").arg(i));
    };
    QStringList lines;
    for (int i = 1; i <= 8; ++i)
        lines << line(i);
    lines << QString() << line(9);
    return lines;
}

namespace {

// The window's own picture: a vacuum curve falling towards its maximum, with the
// working vacuum dashed, drawn without words so that it serves every language.
QPixmap builtInPicture() {
    QPixmap picture(300, 200);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x55, 0x55, 0x55), 1.5));
    painter.drawLine(30, 20, 30, 180);
    painter.drawLine(30, 20, 285, 20);
    QPainterPath curve(QPointF(30, 20));
    for (int x = 0; x <= 250; x += 5)
        curve.lineTo(30 + x, 20 + 140 * (1 - std::exp(-x / 55.0)));
    painter.setPen(QPen(Qt::red, 2));
    painter.drawPath(curve);
    painter.setPen(QPen(QColor(0x1d, 0x5f, 0xa8), 1.2, Qt::DashLine));
    painter.drawLine(30, 128, 285, 128);
    painter.drawLine(30, 160, 285, 160);
    return picture;
}

} // namespace

TFrmResultNote::TFrmResultNote(QWidget* parent) : TFrmShell(parent) {
    setObjectName(QStringLiteral("FrmResultNote"));
    setWindowTitle(QStringLiteral("About the result"));
    EdtCaclResultNote = new QPlainTextEdit(ClientPanel());
    EdtCaclResultNote->setObjectName(QStringLiteral("EdtCaclResultNote"));
    EdtCaclResultNote->setReadOnly(true);
    Image1 = new QLabel(ClientPanel());
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(builtInPicture());
    BtnClose = DialogButton("BtnClose", QStringLiteral("Close"), ClientPanel());
    connect(BtnClose, &TSkinButton::clicked, this, &QDialog::accept);

    // The picture above the text, large enough to read its words.
    auto* content = new QVBoxLayout;
    content->addWidget(Image1);
    content->addWidget(EdtCaclResultNote, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnClose);
    auto* layout = new QVBoxLayout(ClientPanel());
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addLayout(content, 1);
    layout->addLayout(buttons);
    resize(700, 660);
    if (BaseClass && BaseClass->Lan)
        ApplyToForm(*BaseClass->Lan, this, {});
}

void TFrmResultNote::fill() {
    const TXMLLan* lan = BaseClass ? BaseClass->Lan.get() : nullptr;
    EdtCaclResultNote->setPlainText(
        ResultNoteLines([lan](const QString& item) {
            return lan ? lan->GetFormItemText(QStringLiteral("FrmResultNote"), item) : QString();
        }).join('\n'));
    const QString language = BaseClass ? BaseClass->Language : QString();
    QPixmap picture;
    if (picture.load(AppPath + QStringLiteral("Img/ResultNotePic_") + language +
                     QStringLiteral(".jpg")))
        Image1->setPixmap(
            picture.scaled(QSize(580, 362), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TFrmResultNote::ShowNote(const QString& title) {
    setWindowTitle(title);
    fill();
    exec();
}
