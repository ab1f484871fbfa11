#include "shell/FrmSplash.h"

#include "controls/Emblem.h"

#include "core/Helpers.h"

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

TFrmSplash::TFrmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("FrmSplash"));
    setFixedSize(496, 320);
    gueLogin = new QProgressBar(this);
    gueLogin->setObjectName(QStringLiteral("gueLogin"));
    gueLogin->setRange(0, 100);
    gueLogin->setValue(0);
    gueLogin->setTextVisible(false);
    gueLogin->setFixedHeight(6);
    gueLogin->setStyleSheet(
        QStringLiteral("QProgressBar{background:rgba(255,255,255,40);border:none;border-radius:3px}"
                       "QProgressBar::chunk{background:#7fd3ff;border-radius:3px}"));
    LblVersion = new QLabel(
        QStringLiteral("Version: ") + FileVersionText(QApplication::applicationFilePath()), this);
    LblVersion->setObjectName(QStringLiteral("LblVersion"));
    LblVersion->setStyleSheet(QStringLiteral("color:#cfe3f5"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 24);
    layout->addStretch();
    layout->addWidget(LblVersion, 0, Qt::AlignRight);
    layout->addWidget(gueLogin);

    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFrmSplash::Advance(int step) {
    gueLogin->setValue(qMin(100, gueLogin->value() + step));
}

int TFrmSplash::Progress() const {
    return gueLogin->value();
}

void TFrmSplash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, width(), height());
    background.setColorAt(0, QColor(0x0b, 0x2a, 0x4a));
    background.setColorAt(1, QColor(0x14, 0x5d, 0x8c));
    painter.fillRect(rect(), background);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 30));
    painter.drawEllipse(QPointF(400, 70), 120, 120);
    PaintGripperEmblem(painter, QRectF(330, 20, 140, 140), QColor(0x7f, 0xd3, 0xff),
                       QColor(255, 255, 255, 200));

    painter.setPen(Qt::white);
    QFont title = font();
    title.setPixelSize(64);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRectF(32, 120, 440, 80), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("ZAVK"));
    QFont subtitle = font();
    subtitle.setPixelSize(17);
    painter.setFont(subtitle);
    painter.setPen(QColor(0xcf, 0xe3, 0xf5));
    painter.drawText(QRectF(34, 196, 440, 30), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Vacuum gripping circuit design"));
}
