#pragma once

#include "controls/FrmShell.h"

class QLabel;
class TSkinButton;

// The photo of one workpiece material of the leakage reference, with its title.
class TFrmShowMaterial : public TFrmShell {
    Q_OBJECT
public:
    explicit TFrmShowMaterial(QWidget* parent = nullptr);

    // Shows the title and the photo of row tag (1 to 17), AppPath + "Img/M_<tag>.jpg".
    // A missing photo leaves the picture area empty.
    void ShowMaterial(const QString& title, int tag);

    static QString PhotoPath(int tag);

private:
    QLabel* LblMaterial;
    QLabel* ImgMaterial;
    TSkinButton* BtnClose;
};
