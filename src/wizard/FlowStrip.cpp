#include "wizard/FlowStrip.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int Tip = 12; // depth of the chevron's point
// Steps per diagram; diagram 1 has a seventh, hidden step holding the vacuum unit's caption.
constexpr int StepCounts[4] = {5, 7, 5, 5};

} // namespace

TFlowStep::TFlowStep(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    QFont font;
    font.setPixelSize(13);
    setFont(font);
}

void TFlowStep::SetCurrent(bool current) {
    if (current_ == current)
        return;
    current_ = current;
    update();
}

QSize TFlowStep::sizeHint() const {
    return {fontMetrics().horizontalAdvance(text()) + 3 * Tip, TFlowStrip::Height - 8};
}

QSize TFlowStep::minimumSizeHint() const {
    return {4 * Tip, TFlowStrip::Height - 8};
}

void TFlowStep::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath chevron;
    chevron.moveTo(box.topLeft());
    chevron.lineTo(box.right() - Tip, box.top());
    chevron.lineTo(box.right(), box.center().y());
    chevron.lineTo(box.right() - Tip, box.bottom());
    chevron.lineTo(box.bottomLeft());
    chevron.lineTo(box.left() + Tip, box.center().y());
    chevron.closeSubpath();
    painter.setPen(QPen(current_ ? QColor(0x0b, 0x2a, 0x4a) : QColor(0xb5, 0xc4, 0xd3), 1));
    painter.setBrush(current_ ? QColor(0x14, 0x5d, 0x8c) : QColor(0xee, 0xf2, 0xf6));
    painter.drawPath(chevron);
    painter.setPen(current_ ? Qt::white : Qt::black);
    painter.setFont(font());
    const QRectF textBox = box.adjusted(Tip, 0, -Tip / 2.0, 0);
    painter.drawText(textBox, Qt::AlignCenter,
                     fontMetrics().elidedText(text(), Qt::ElideRight, int(textBox.width())));
}

TFlowStrip::TFlowStrip(QWidget* parent) : QStackedWidget(parent) {
    setObjectName(QStringLiteral("Nbsetup"));
    setFixedHeight(Height);
    for (int diagram = 0; diagram < 4; ++diagram) {
        auto* page = new QWidget(this);
        auto* row = new QHBoxLayout(page);
        row->setContentsMargins(0, 4, 0, 4);
        row->setSpacing(2);
        for (int step = 1; step <= StepCounts[diagram]; ++step) {
            auto* label = new TFlowStep(page);
            label->setObjectName(QStringLiteral("labSelectFlow%1_%2").arg(diagram + 1).arg(step));
            row->addWidget(label, 1);
            label->setVisible(!(diagram == 1 && step == 7));
        }
        addWidget(page);
    }
}

TFlowStep* TFlowStrip::Step(int diagram, int step) const {
    return findChild<TFlowStep*>(QStringLiteral("labSelectFlow%1_%2").arg(diagram + 1).arg(step));
}

void TFlowStrip::Highlight(int step) {
    for (TFlowStep* each : findChildren<TFlowStep*>())
        each->SetCurrent(false);
    if (TFlowStep* current = Step(currentIndex(), step))
        current->SetCurrent(true);
}

void TFlowStrip::CopyCaptions() {
    auto caption = [this](int step) { return Step(1, step)->text(); };
    for (int diagram : {0, 2, 3}) {
        for (int step = 1; step <= 3; ++step)
            Step(diagram, step)->setText(caption(step));
        Step(diagram, 5)->setText(caption(6)); // the result
    }
    Step(0, 4)->setText(caption(4)); // ejector
    Step(2, 4)->setText(caption(7)); // vacuum unit
    Step(3, 4)->setText(caption(5)); // valves
}
