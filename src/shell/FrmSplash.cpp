#include "shell/FrmSplash.h"

#include "controls/CommonDialogs.h"
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

    imgSplash = new QLabel(this);
    imgSplash->setObjectName(QStringLiteral("imgSplash"));
    imgSplash->setGeometry(rect());
    LoadImageFile(imgSplash, QStringLiteral("Img\\"), QStringLiteral("Splash"), false);
    imgSplash->lower();

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

// Under the picture, or in its place when it is missing: the picture's background.
void TFrmSplash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient background(0, 0, width(), height());
    background.setColorAt(0, QColor(0x0b, 0x2a, 0x4a));
    background.setColorAt(1, QColor(0x14, 0x5d, 0x8c));
    painter.fillRect(rect(), background);
}
