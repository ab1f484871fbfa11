#include "FormTexts.h"

#include "XMLLan.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>

namespace {

// Forwards a control's hint to the screen's status line while the mouse is over it.
class HintForwarder : public QObject {
public:
    HintForwarder(QObject* parent, THintHandler handler)
        : QObject(parent), handler_(std::move(handler)) {
        setObjectName(Name);
    }
    static constexpr const char* Name = "zavkHintForwarder";

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Enter) {
            auto* control = static_cast<QWidget*>(watched);
            handler_(control->toolTip(), control);
        }
        return false;
    }

private:
    THintHandler handler_;
};

void setCaption(QWidget* control, const QString& caption) {
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(caption);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(caption);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(caption);
}

} // namespace

void ApplyFormTexts(QWidget* screen, const TXMLLan& lan, const THintHandler& hintHandler) {
    const QString screenName = screen->objectName();
    HintForwarder* forwarder = nullptr;
    if (hintHandler) {
        // A screen applied again gets one forwarder, not one more.
        delete screen->findChild<QObject*>(QLatin1String(HintForwarder::Name),
                                           Qt::FindDirectChildrenOnly);
        forwarder = new HintForwarder(screen, hintHandler);
    }
    for (QWidget* control : screen->findChildren<QWidget*>()) {
        const QString name = control->objectName();
        if (name.isEmpty())
            continue;
        const QString caption = lan.GetFormItemText(screenName, name + QStringLiteral(".Caption"));
        if (!caption.isEmpty())
            setCaption(control, caption);
        const QString hint = lan.GetFormItemText(screenName, name + QStringLiteral(".Hint"));
        if (!hint.isEmpty())
            control->setToolTip(hint);
        if (forwarder &&
            (qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control)))
            control->installEventFilter(forwarder);
    }
}
