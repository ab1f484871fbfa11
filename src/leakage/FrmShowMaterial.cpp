#include "leakage/FrmShowMaterial.h"

#include "controls/LanguageApply.h"
#include "controls/SkinButton.h"
#include "core/Globals.h"
#include "lang/XMLLan.h"
#include "settings/BaseClass.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

constexpr QSize PhotoSize(320, 240);

} // namespace

TFrmShowMaterial::TFrmShowMaterial(QWidget* parent) : TFrmShell(parent) {
    setObjectName(QStringLiteral("FrmShowMaterial"));
    setWindowTitle(QStringLiteral("Workpiece photo"));
    LblMaterial = new QLabel(ClientPanel());
    LblMaterial->setObjectName(QStringLiteral("LblMaterial"));
    LblMaterial->setAlignment(Qt::AlignCenter);
    LblMaterial->setStyleSheet(
        QStringLiteral("color: #1d2f42; font-size: 14px; font-weight: 600;"));
    ImgMaterial = new QLabel(ClientPanel());
    ImgMaterial->setObjectName(QStringLiteral("ImgMaterial"));
    ImgMaterial->setFixedSize(PhotoSize);
    ImgMaterial->setAlignment(Qt::AlignCenter);
    ImgMaterial->setStyleSheet(QStringLiteral("background: #f2f4f6; border: 1px solid #c8d0d8;"));
    BtnClose = DialogButton("BtnClose", QStringLiteral("Close"), ClientPanel());
    connect(BtnClose, &TSkinButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnClose);
    auto* layout = new QVBoxLayout(ClientPanel());
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(10);
    layout->addWidget(LblMaterial);
    layout->addWidget(ImgMaterial, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);
    resize(PhotoSize.width() + 2 * (16 + SideWidth), 390);
    if (BaseClass && BaseClass->Lan)
        ApplyToForm(*BaseClass->Lan, this, {});
}

QString TFrmShowMaterial::PhotoPath(int tag) {
    return AppPath + QStringLiteral("Img/M_") + QString::number(tag) + QStringLiteral(".jpg");
}

void TFrmShowMaterial::ShowMaterial(const QString& title, int tag) {
    LblMaterial->setText(title);
    QPixmap photo;
    if (photo.load(PhotoPath(tag)))
        ImgMaterial->setPixmap(
            photo.scaled(PhotoSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    else
        ImgMaterial->clear();
}
