#pragma once

#include "controls/FrmShell.h"
#include "leakage/LeakageReference.h"

#include <QList>

class QComboBox;
class QLabel;
class QTableWidget;
class TDMComm;
class TSkinButton;

// The workpiece leakage reference: for the chosen pad size, shape and lip
// material, the vacuum reached and the leakage on seventeen workpiece materials,
// each a range between a weak and a strong vacuum source, with a photo of each
// material behind the link beside its row. For reading only.
class TFrmXieLouLiang : public TFrmShell {
    Q_OBJECT
public:
    // Reads the catalogue through db (the program's data module when none is given).
    explicit TFrmXieLouLiang(QWidget* parent = nullptr, TDMComm* db = nullptr);

    // Fills columns 2 and 3 for the current choice of the three drop-down boxes.
    void Refresh();
    // The title of the photo of the row with tag (1 to 17), from the grid's texts.
    QString PhotoTitle(int tag) const;
    // Opens the photo window of the row with tag modally.
    void ShowPhoto(int tag);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void layOut();
    void applyLanguage();
    void fillPads();
    void fitColumns();
    void setLinkHovered(QLabel* link, bool hovered);

    TDMComm* db_;
    QComboBox* CbSK_PAD;
    QComboBox* CbSHAPE;
    QComboBox* CbMATERIA;
    QTableWidget* SgList;
    QList<QLabel*> headings_; // above the grid's columns, and above the links
    QList<QLabel*> links_;    // LblCanZhao, Label10 .. Label25: tags 1 .. 17
    TSkinButton* BtnClose;
};
