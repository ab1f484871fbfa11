#pragma once

#include "controls/FrmShell.h"

class QLabel;
class TSkinButton;

enum class TInfoShowChoice { Return, Continue };

// The question asked when one ejector cannot reach the required response time:
// go back and review the working conditions, or continue with two or more
// ejectors. Closing the dialog any other way means going back.
class TFrmInfoShow : public TFrmShell {
    Q_OBJECT
public:
    explicit TFrmInfoShow(QWidget* parent = nullptr);

    TInfoShowChoice Choice() const { return choice_; }

    // Shows the question modally and gives the answer.
    static TInfoShowChoice Ask(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void applyLanguage();
    void choose(TInfoShowChoice choice);

    QLabel* LblInfo;
    TSkinButton* RbReturn;
    TSkinButton* RbContinue;
    TInfoShowChoice choice_ = TInfoShowChoice::Return;
};
