#include "controls/LanguageApply.h"

#include "lang/XMLLan.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>

namespace {

enum class Kind {
    Label,
    SkinButton,
    Panel,
    PushButton,
    CheckBox,
    Radio,
    SpeedButton,
    GroupBox,
    RichText,
    Memo,
    LineEdit,
    Combo,
    Grid,
    FolderTree,
    DataGrid,
    ListView,
    Chart,
    Other
};

Kind kindOf(QWidget* w) {
    if (w->inherits("TSkinButton"))
        return Kind::SkinButton;
    if (qobject_cast<QLabel*>(w))
        return Kind::Label;
    if (qobject_cast<QCheckBox*>(w))
        return Kind::CheckBox;
    if (qobject_cast<QRadioButton*>(w))
        return Kind::Radio;
    if (qobject_cast<QToolButton*>(w))
        return Kind::SpeedButton;
    if (qobject_cast<QAbstractButton*>(w))
        return Kind::PushButton;
    if (qobject_cast<QGroupBox*>(w))
        return Kind::GroupBox;
    if (qobject_cast<QTextEdit*>(w))
        return Kind::RichText;
    if (qobject_cast<QPlainTextEdit*>(w))
        return Kind::Memo;
    if (qobject_cast<QLineEdit*>(w))
        return Kind::LineEdit;
    if (qobject_cast<QComboBox*>(w))
        return Kind::Combo;
    if (qobject_cast<QTableWidget*>(w))
        return Kind::Grid;
    if (qobject_cast<QTableView*>(w))
        return Kind::DataGrid;
    if (qobject_cast<QTreeWidget*>(w))
        return Kind::ListView;
    if (qobject_cast<QTreeView*>(w))
        return Kind::FolderTree;
    if (qobject_cast<QChartView*>(w))
        return Kind::Chart;
    if (w->property("Caption").isValid())
        return Kind::Panel;
    return Kind::Other;
}

// Forwards a control's hint to the handler while the mouse is over it, and an
// empty hint when the mouse leaves it. A disabled control shows no tooltip: its
// hint would describe an action it cannot do.
class HintForwarder : public QObject {
public:
    static constexpr const char* Name = "zavkHintForwarder";
    HintForwarder(QObject* parent, THintHandler handler)
        : QObject(parent), handler_(std::move(handler)) {
        setObjectName(QLatin1String(Name));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* control = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::Enter:
            handler_(control->toolTip(), control);
            return false;
        case QEvent::Leave:
            handler_(QString(), control);
            return false;
        case QEvent::ToolTip:
            return !control->isEnabled();
        default:
            return false;
        }
    }

private:
    THintHandler handler_;
};

const QStringList LanguageMemos = {"mem2Welcome", "mem5Install", "mem6Install",
                                   "mem7Ok",      "mem7Cancel",  "Memo1"};

// One pass of the language over one screen.
class Applier {
public:
    Applier(const TXMLLan& lan, QWidget* screen, const THintHandler& handler, bool wizard)
        : lan_(lan), screen_(screen), name_(screen->objectName()), wizard_(wizard) {
        if (handler) {
            // A screen applied again gets one forwarder, not one more.
            delete screen->findChild<QObject*>(QLatin1String(HintForwarder::Name),
                                               Qt::FindDirectChildrenOnly);
            forwarder_ = new HintForwarder(screen, handler);
        }
    }

    void run() {
        QFont font = screen_->font();
        font.setFamilies(LanguageFontFamilies(lan_));
        screen_->setFont(font);
        for (QWidget* control : screen_->findChildren<QWidget*>()) {
            const QString name = control->objectName();
            if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
                apply(control, name);
        }
    }

private:
    std::optional<QString> item(const QString& control, const QString& suffix) const {
        return lan_.FindFormItem(name_, control + suffix);
    }
    int count(const QString& control, const QString& suffix) const {
        return item(control, suffix).value_or(QString()).trimmed().toInt(); // not a number: 0
    }
    // The texts list + ".Strings[i]" for i below the number list + ".Count", in
    // index order, skipping missing ones. Only the items the screen holds are
    // visited, so a huge count costs nothing.
    QStringList listed(const QString& control, const QString& list) const {
        const int entries = count(control, list + QStringLiteral(".Count"));
        QStringList texts;
        for (const auto& [index, text] :
             lan_.IndexedFormItems(name_, control + list + QStringLiteral(".Strings"))) {
            if (index >= entries)
                break;
            texts.append(text);
        }
        return texts;
    }
    void caption(const QString& name, const std::function<void(QString)>& set) {
        if (const auto text = item(name, ".Caption"))
            set(*text);
    }
    void hint(QWidget* w, const QString& name) {
        if (const auto text = item(name, ".Hint"))
            w->setToolTip(*text);
    }
    void handler(QWidget* w) {
        if (forwarder_)
            w->installEventFilter(forwarder_);
    }
    bool tagged(QWidget* w) const { return w->property("tag").toInt() == 1; }

    void apply(QWidget* w, const QString& name);
    void applyButton(QAbstractButton* b, const QString& name, bool withHandler);
    void applySkinButton(QWidget* w, const QString& name);
    void applyMemo(QPlainTextEdit* memo, const QString& name);
    void applyCombo(QComboBox* combo, const QString& name);
    void applyGrid(QTableWidget* grid, const QString& name);
    void applyDataGrid(QTableView* grid, const QString& name);
    void applyListView(QTreeWidget* list, const QString& name);
    void applyChart(QChartView* view, const QString& name);

    const TXMLLan& lan_;
    QWidget* screen_;
    QString name_;
    bool wizard_;
    HintForwarder* forwarder_ = nullptr;
};

void Applier::apply(QWidget* w, const QString& name) {
    switch (kindOf(w)) {
    case Kind::Label: {
        auto* label = static_cast<QLabel*>(w);
        handler(w);
        caption(name, [label](const QString& t) { label->setText(t); });
        if (!wizard_ || tagged(w))
            hint(w, name);
        break;
    }
    case Kind::SkinButton:
        applySkinButton(w, name);
        break;
    case Kind::Panel:
        handler(w);
        if (wizard_)
            w->setToolTip(QString());
        else
            caption(name, [w](const QString& t) { w->setProperty("Caption", t); });
        break;
    case Kind::PushButton:
    case Kind::CheckBox:
        if (!wizard_)
            applyButton(static_cast<QAbstractButton*>(w), name, true);
        break;
    case Kind::Radio:
        applyButton(static_cast<QAbstractButton*>(w), name, wizard_);
        break;
    case Kind::SpeedButton:
        applyButton(static_cast<QAbstractButton*>(w), name, true);
        break;
    case Kind::GroupBox: {
        auto* group = static_cast<QGroupBox*>(w);
        handler(w);
        caption(name, [group](const QString& t) { group->setTitle(t); });
        if (!wizard_ || tagged(w))
            hint(w, name);
        break;
    }
    case Kind::RichText:
        handler(w);
        if (!wizard_)
            hint(w, name);
        break;
    case Kind::Memo:
        if (!wizard_)
            applyMemo(static_cast<QPlainTextEdit*>(w), name);
        break;
    case Kind::Combo:
        applyCombo(static_cast<QComboBox*>(w), name);
        break;
    case Kind::Grid:
        if (!wizard_ || tagged(w))
            applyGrid(static_cast<QTableWidget*>(w), name);
        break;
    case Kind::FolderTree:
        if (!wizard_) {
            handler(w);
            hint(w, name);
        }
        break;
    case Kind::DataGrid:
        if (!wizard_)
            applyDataGrid(static_cast<QTableView*>(w), name);
        break;
    case Kind::ListView:
        if (!wizard_)
            applyListView(static_cast<QTreeWidget*>(w), name);
        break;
    case Kind::Chart:
        applyChart(static_cast<QChartView*>(w), name);
        break;
    case Kind::LineEdit:
    case Kind::Other:
        break;
    }
}

void Applier::applyButton(QAbstractButton* b, const QString& name, bool withHandler) {
    if (withHandler)
        handler(b);
    caption(name, [b](const QString& t) { b->setText(t); });
    hint(b, name);
}

void Applier::applySkinButton(QWidget* w, const QString& name) {
    handler(w);
    caption(name, [w](const QString& t) { w->setProperty("Caption", t); });
    const bool seriesButton =
        !wizard_ && name_ == QLatin1String("FrmMainShell") && w->property("tag").toInt() == 5;
    if (seriesButton) {
        if (const auto text = lan_.FindFormItem(name_, QStringLiteral("SeriesButton.Hint")))
            w->setToolTip(*text);
    } else {
        hint(w, name);
    }
    w->update();
}

void Applier::applyMemo(QPlainTextEdit* memo, const QString& name) {
    if (!LanguageMemos.contains(name))
        return;
    memo->clear();
    for (const QString& line : listed(name, QStringLiteral(".Lines")))
        memo->appendPlainText(line);
}

void Applier::applyCombo(QComboBox* combo, const QString& name) {
    if (combo->isEditable())
        combo->setCompleter(nullptr); // no typed-ahead completion
    if (!wizard_)
        hint(combo, name);
    if (wizard_ && name != QLatin1String("CbAnZhuangZiShi"))
        return;
    if (!item(name, ".Items.Count"))
        return;
    combo->clear();
    combo->addItems(listed(name, QStringLiteral(".Items")));
}

void Applier::applyGrid(QTableWidget* grid, const QString& name) {
    for (int c = 0; c < grid->columnCount(); ++c) {
        for (int r = 0; r < grid->rowCount(); ++r) {
            const auto text = item(name, QStringLiteral(".Cells[%1,%2]").arg(c).arg(r));
            if (!text)
                continue;
            if (QTableWidgetItem* cell = grid->item(r, c))
                cell->setText(*text);
            else
                grid->setItem(r, c, new QTableWidgetItem(*text));
        }
    }
}

void Applier::applyDataGrid(QTableView* grid, const QString& name) {
    QAbstractItemModel* model = grid->model();
    if (!model)
        return;
    for (int i = 0; i < model->columnCount(); ++i) {
        if (const auto text = item(name, QStringLiteral(".Columns.Items[%1].Title.Caption").arg(i)))
            model->setHeaderData(i, Qt::Horizontal, *text);
    }
}

void Applier::applyListView(QTreeWidget* list, const QString& name) {
    for (int i = 0; i < list->columnCount(); ++i) {
        if (const auto text = item(name, QStringLiteral(".Column[%1].Caption").arg(i)))
            list->headerItem()->setText(i, *text);
    }
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (const auto text = item(name, QStringLiteral(".Items.Item[%1].SubItems[0]").arg(i)))
            list->topLevelItem(i)->setText(1, *text);
    }
}

void Applier::applyChart(QChartView* view, const QString& name) {
    handler(view);
    QChart* chart = view->chart();
    if (!chart)
        return;
    const QStringList families = LanguageFontFamilies(lan_);
    QFont titleFont = chart->titleFont();
    titleFont.setFamilies(families);
    chart->setTitleFont(titleFont);
    const std::pair<Qt::Alignment, const char*> axes[] = {
        {Qt::AlignLeft, ".LeftAxis.Title.Caption"},
        {Qt::AlignRight, ".RightAxis.Title.Caption"},
        {Qt::AlignBottom, ".BottomAxis.Title.Caption"},
        {Qt::AlignTop, nullptr}};
    for (QAbstractAxis* axis : chart->axes()) {
        QFont axisFont = axis->titleFont();
        axisFont.setFamilies(families);
        axis->setTitleFont(axisFont);
        for (const auto& [alignment, suffix] : axes) {
            if (axis->alignment() != alignment || !suffix)
                continue;
            if (const auto text = item(name, QLatin1String(suffix)))
                axis->setTitleText(*text);
        }
    }
}

} // namespace

QStringList LanguageFontFamilies(const TXMLLan& lan) {
    QStringList families;
    const QString family = lan.FontName().trimmed();
    if (!family.isEmpty())
        families << family;
    for (const char* fallback : {"Noto Sans", "Noto Sans CJK JP", "DejaVu Sans"}) {
        if (!families.contains(QLatin1String(fallback)))
            families << QLatin1String(fallback);
    }
    return families;
}

void ApplyToForm(const TXMLLan& lan, QWidget* screen, const THintHandler& hintHandler) {
    Applier(lan, screen, hintHandler, false).run();
}

void ApplyToWizard(const TXMLLan& lan, QWidget* screen, const THintHandler& hintHandler) {
    Applier(lan, screen, hintHandler, true).run();
}
