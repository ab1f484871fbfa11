#include "TestSupport.h"
#include "controls/NumberKeyFilter.h"
#include "controls/SpeedButtonEx.h"
#include "controls/ValueEntry.h"
#include "core/DMComm.h"
#include "lang/XMLLan.h"
#include "units/UnitManager.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

// Value boxes paired with unit buttons on the built catalogue, under a
// decimal point and a decimal comma. Parameter 111 (supply pressure) offers kPa
// at index 0 and MPa, its default, at index 1; 118 (working vacuum) is in kPa
// with one decimal.
namespace {

QString localised(QString text) {
    return text.replace('.', QLocale().decimalPoint());
}

struct Form {
    QWidget owner;
    QComboBox* box = new QComboBox(&owner);
    TSpeedButtonEx* button = new TSpeedButtonEx(&owner);
    QLineEdit* other = new QLineEdit(&owner);
    Form() {
        auto* layout = new QVBoxLayout(&owner);
        for (QWidget* widget : {static_cast<QWidget*>(box), static_cast<QWidget*>(button),
                                static_cast<QWidget*>(other)})
            layout->addWidget(widget);
        box->setEditable(true);
        button->setText("unbound");
    }
};

} // namespace

class TestValueEntry : public QObject {
    Q_OBJECT

    TDMComm db_;
    std::unique_ptr<TUnitManager> units_;
    std::unique_ptr<TXMLLan> lan_;
    QLabel hint_;
    QList<TMessageRequest> messages_;

    TValueEntryContext context(int scheme = 0, bool freedom = true) {
        return {units_.get(), lan_.get(), scheme, freedom,
                [this](const QString& text, QWidget*) { hint_.setText(text); }};
    }

    void typeInto(Form& form, const QString& text) {
        form.box->setFocus();
        form.box->lineEdit()->selectAll();
        QTest::keyClick(form.box, Qt::Key_Backspace);
        QTest::keyClicks(form.box, localised(text));
    }

    void leave(Form& form) {
        form.other->setFocus();
        QCoreApplication::processEvents();
    }

    void addLocales() {
        QTest::addColumn<QString>("locale");
        QTest::newRow("decimal point") << "C";
        QTest::newRow("decimal comma") << "de_DE";
    }

    void showBound(Form& form, int paraId, TKeyMode mode, const TValueEntryContext& entry) {
        BindComboButton(entry, paraId, form.box, form.button);
        ConnectValuePair(entry, form.box, form.button, &form.owner);
        TNumberKeyFilter::Install(form.box, mode);
        form.owner.show();
        QVERIFY(QTest::qWaitForWindowActive(&form.owner));
    }

private slots:
    void initTestCase() {
        QVERIFY(ConnectBuiltCatalogue(db_));
        units_ = std::make_unique<TUnitManager>(db_, 1033);
        lan_ = std::make_unique<TXMLLan>(ZAVK_TEST_LANGUAGE_DIR "/English.xml");
        SetMessageHandler([this](const TMessageRequest& request) {
            messages_.append(request);
            return mrOk;
        });
    }
    void init() {
        messages_.clear();
        hint_.clear();
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
    }
    void cleanupTestCase() { SetMessageHandler({}); }

    void typingLeavingAndSwitchingUnits_data() { addLocales(); }
    void typingLeavingAndSwitchingUnits() {
        Form form;
        showBound(form, 111, TKeyMode::Decimal, context());
        QCOMPARE(form.button->text(), QString("MPa"));
        QCOMPARE(form.box->currentText(), localised("0.4"));
        QCOMPARE(form.button->CurNum(), 0.4);
        QCOMPARE(form.box->count(), 6);
        QCOMPARE(form.button->ItemNums().first(), localised("0.3"));

        typeInto(form, "0.4.56-"); // the second separator and the sign are discarded
        QCOMPARE(form.box->currentText(), localised("0.456"));
        QCOMPARE(form.button->CurNum(), 0.456);
        leave(form);
        QCOMPARE(form.box->currentText(), localised("0.46"));
        QCOMPARE(form.button->CurNum(), 0.456);

        QTest::mouseClick(form.button, Qt::LeftButton);
        QCOMPARE(form.button->text(), QString("bar"));
        QCOMPARE(form.box->currentText(), localised("4.56"));
        for (int i = 0; i < 5; ++i)
            QTest::mouseClick(form.button, Qt::LeftButton);
        QCOMPARE(form.button->text(), QString("kPa"));
        QCOMPARE(form.button->ItemIndex(), 0);
        QCOMPARE(form.box->currentText(), QString("456"));
        QCOMPARE(form.box->itemText(0), QString("300"));
        QCOMPARE(form.button->CurNum(), 0.456);
        QTest::mouseClick(form.button, Qt::LeftButton);
        QCOMPARE(form.button->text(), QString("MPa"));
        QCOMPARE(form.box->currentText(), localised("0.456"));
        QVERIFY(messages_.isEmpty());
    }

    void valueOutsideItsBoundsIsReportedAndKeepsTheFocus_data() { addLocales(); }
    void valueOutsideItsBoundsIsReportedAndKeepsTheFocus() {
        Form form;
        showBound(form, 111, TKeyMode::Decimal, context());
        typeInto(form, "2");
        leave(form);
        QCOMPARE(messages_.size(), 1);
        QVERIFY2(messages_.first().text.endsWith(
                     localised("(0~1]") +
                     "MPa.\rA square bracket includes the bound, a round bracket excludes it."),
                 qPrintable(messages_.first().text));
        QVERIFY(messages_.first().text.startsWith("The value is outside"));
        QCOMPARE(messages_.first().captions, QString("Yes;No;OK"));
        QCOMPARE(form.box->currentText(), QString("2"));
        QCOMPARE(form.button->CurNum(), 2.0);
        QTRY_VERIFY(form.box->hasFocus());
    }

    void signedEntryRoundsOnlyTheText_data() { addLocales(); }
    void signedEntryRoundsOnlyTheText() {
        Form form;
        showBound(form, 118, TKeyMode::SignedDecimal, context());
        typeInto(form, "-");
        QCOMPARE(form.button->CurNum(), 0.0);
        QTest::keyClicks(form.box, localised("12.34"));
        QCOMPARE(form.box->currentText(), localised("-12.34"));
        leave(form);
        QCOMPARE(form.box->currentText(), localised("-12.3"));
        QCOMPARE(form.button->CurNum(), -12.34);
        QVERIFY(messages_.isEmpty());
    }

    void textThatIsNoNumberWarnsAndCountsAsZero_data() { addLocales(); }
    void textThatIsNoNumberWarnsAndCountsAsZero() {
        Form form;
        showBound(form, 111, TKeyMode::Decimal, context());
        const QString foreign = QLocale().decimalPoint() == "." ? "1,5" : "1.5";
        form.box->setCurrentText(foreign);
        QCOMPARE(form.button->CurNum(), 0.0);
        QCOMPARE(messages_.size(), 1);
        QCOMPARE(messages_.first().text.section('\r', 0, 0), foreign + " is not a number.");
    }

    void schemeChoosesTheShownUnit_data() { addLocales(); }
    void schemeChoosesTheShownUnit() {
        Form form;
        BindComboButton(context(2), 111, form.box, form.button);
        QCOMPARE(form.button->text(), QString("psi"));
        QCOMPARE(form.button->DefaultItemIndex(), 1);
        QCOMPARE(form.box->currentText(), QString("58"));
        QCOMPARE(form.button->CurNum(), 58 * 6.894757293168 / 1000);
        SetButtonValue(form.button, 0.5);
        QCOMPARE(form.box->currentText(), localised("72.5"));
        QCOMPARE(ButtonOfInput(form.box, &form.owner), form.button);
    }

    void dropDownListTakesTheDefaultUnitPreset_data() { addLocales(); }
    void dropDownListTakesTheDefaultUnitPreset() {
        Form form;
        form.box->setEditable(false);
        BindComboButton(context(2), 111, form.box, form.button);
        QCOMPARE(form.box->itemText(1), localised("50.8"));
        form.box->setCurrentIndex(1);
        ValueChanged(context(2), form.box, &form.owner);
        QCOMPARE(form.button->CurNum(), 0.35);
    }

    void editPairsAndInertPairs_data() { addLocales(); }
    void editPairsAndInertPairs() {
        QWidget owner;
        auto* field = new QLineEdit("as designed", &owner);
        auto* button = new TSpeedButtonEx(&owner);
        BindEditButton(context(), 123, field, button);
        QCOMPARE(button->text(), QString("L/min (ANR)"));
        QCOMPARE(field->text(), QString("as designed"));
        SetButtonValue(button, 12.345);
        QCOMPARE(field->text(), localised("12.3"));
        QCOMPARE(button->CurNum(), 12.345);

        Form unknown;
        BindComboButton(context(), 4242, unknown.box, unknown.button);
        NextUnit(context(), unknown.button);
        ValueChanged(context(), unknown.box, &unknown.owner);
        QCOMPARE(unknown.button->text(), QString("unbound"));
        QCOMPARE(unknown.button->CurNum(), 0.0);
        QVERIFY(!unknown.button->Para());
    }

    void fixedUnitsIgnoreClicksAndShowNoHint_data() { addLocales(); }
    void fixedUnitsIgnoreClicksAndShowNoHint() {
        for (bool freedom : {false, true}) {
            Form form;
            showBound(form, 111, TKeyMode::Decimal, context(0, freedom));
            QTest::mouseMove(form.button);
            QTest::mouseClick(form.button, Qt::LeftButton);
            QCOMPARE(form.button->text(), QString(freedom ? "bar" : "MPa"));
            QCOMPARE(hint_.text().isEmpty(), !freedom);
        }
    }

    void buttonsBoundBeforeAReloadKeepWorking_data() { addLocales(); }
    void buttonsBoundBeforeAReloadKeepWorking() {
        Form form;
        showBound(form, 111, TKeyMode::Decimal, context());
        units_->LoadParameters();
        QCOMPARE(form.button->Para(), units_->FindParameter(111));
        QTest::mouseClick(form.button, Qt::LeftButton);
        QCOMPARE(form.button->text(), QString("bar"));
        QCOMPARE(form.box->currentText(), localised("4.00"));
        EnableInput(form.box, true, &form.owner, false);
        QCOMPARE(form.box->currentText(), QString("4"));
    }

    void keyModes_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<bool>("allSelected");
        QTest::addColumn<bool>("accepted");
        for (const QString locale : {"C", "de_DE"}) {
            const QString sep = QLocale(locale).decimalPoint();
            const QString other = sep == "." ? "," : ".";
            const auto row = [&](const char* name, int mode, const QString& typed,
                                 const QString& text, int cursor, bool all, bool accepted) {
                QTest::newRow(qPrintable(QString("%1 [%2]").arg(name, locale)))
                    << locale << mode << typed << text << cursor << all << accepted;
            };
            row("count takes digits", 1, "7", "1", 1, false, true);
            row("count rejects separator", 1, sep, "1", 1, false, false);
            row("decimal takes one separator", 3, sep, "1", 1, false, true);
            row("decimal rejects a second", 3, sep, "1" + sep + "5", 3, false, false);
            row("decimal rejects the other separator", 3, other, "1", 1, false, false);
            row("decimal rejects minus", 3, "-", "", 0, false, false);
            row("decimal takes separator first", 3, sep, "", 0, false, true);
            row("signed minus at the start", 4, "-", "5", 0, false, true);
            row("signed minus over a selection", 4, "-", "55", 2, true, true);
            row("signed minus after digits", 4, "-", "55", 1, false, false);
            row("signed separator on empty text", 4, sep, "", 0, false, false);
            row("signed separator after minus", 4, sep, "-", 1, false, false);
            row("signed separator after digits", 4, sep, "-5", 2, false, true);
            row("letters never", 4, "e", "5", 1, false, false);
        }
    }
    void keyModes() {
        QFETCH(int, mode);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, cursor);
        QFETCH(bool, allSelected);
        QFETCH(bool, accepted);
        QCOMPARE(AcceptsTypedChar(TKeyMode(mode), typed.at(0), text, cursor, allSelected),
                 accepted);
    }
};

QTEST_MAIN(TestValueEntry)
#include "tst_value_entry.moc"
