#pragma once

#include <QLabel>
#include <QStackedWidget>

// One step of the wizard's flow diagram: a chevron with the step's caption, blue
// with a white caption while it is the current step, light grey otherwise.
class TFlowStep : public QLabel {
    Q_OBJECT
public:
    explicit TFlowStep(QWidget* parent = nullptr);

    bool Current() const { return current_; }
    void SetCurrent(bool current);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool current_ = false;
};

// The flow diagrams of the four system categories, one page each; page d holds
// the steps labSelectFlow<d+1>_1 ... in order.
class TFlowStrip : public QStackedWidget {
    Q_OBJECT
public:
    explicit TFlowStrip(QWidget* parent = nullptr);

    // The step (1-based) of diagram (0-based); nullptr past the end.
    TFlowStep* Step(int diagram, int step) const;
    // Makes step of the shown diagram the current one, every other step normal;
    // 0 resets them all.
    void Highlight(int step);
    // Copies the captions of diagram 1 (set by the language file) into the others.
    void CopyCaptions();

    static constexpr int Height = 44;
};
