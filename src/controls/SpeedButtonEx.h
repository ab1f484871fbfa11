#pragma once

#include "controls/CommonDialogs.h"

#include <QStringList>
#include <QToolButton>

class QComboBox;
class QLineEdit;
struct TSinglePara;

// The flat button beside a numeric input that shows the input's unit. It holds the
// input's value in the parameter's default unit and the index of the unit shown;
// the unit manager binds it to a parameter and drives it.
class TSpeedButtonEx : public QToolButton, public TUnitDefaultSource {
    Q_OBJECT
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
    Q_PROPERTY(int DefaultItemIndex READ DefaultItemIndex WRITE SetDefaultItemIndex)
    Q_PROPERTY(double CurNum READ CurNum WRITE SetCurNum)
    Q_PROPERTY(QStringList ItemNums READ ItemNums WRITE SetItemNums)

public:
    explicit TSpeedButtonEx(QWidget* parent = nullptr);

    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index) { itemIndex_ = index; }
    int DefaultItemIndex() const { return defaultItemIndex_; }
    void SetDefaultItemIndex(int index) { defaultItemIndex_ = index; }
    // The value in the parameter's default unit.
    double CurNum() const { return curNum_; }
    void SetCurNum(double value) { curNum_ = value; }
    // The default unit's preset values as text; a text given twice is kept once.
    const QStringList& ItemNums() const { return itemNums_; }
    void SetItemNums(const QStringList& texts);

    TSinglePara* Para() const { return para_; }
    void SetPara(TSinglePara* para) { para_ = para; }
    QComboBox* LinkedCombo() const { return linkedCombo_; }
    void SetLinkedCombo(QComboBox* combo) { linkedCombo_ = combo; }
    QLineEdit* LinkedEdit() const { return linkedEdit_; }
    void SetLinkedEdit(QLineEdit* edit) { linkedEdit_ = edit; }

    // The default value of the unit at ItemIndex of the bound parameter.
    std::optional<double> DefaultValueOfShownUnit() const override;

private:
    int itemIndex_ = 0;
    int defaultItemIndex_ = 0;
    double curNum_ = 0;
    QStringList itemNums_;
    TSinglePara* para_ = nullptr;
    QComboBox* linkedCombo_ = nullptr;
    QLineEdit* linkedEdit_ = nullptr;
};
