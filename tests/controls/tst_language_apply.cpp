#include "TestSupport.h"
#include "controls/LanguageApply.h"
#include "lang/XMLLan.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtCharts/QChartView>
#include <QtCharts/QValueAxis>
#include <QtTest>

namespace {

const QByteArray Language = R"(<?xml version="1.0" encoding="UTF-8"?>
<L>
  <Forms FontName="DejaVu Serif" CharSet="x">
    <FrmTest>
      <I ItemName="Lbl.Caption" value="Label text"/>
      <I ItemName="Lbl.Hint" value="Label hint"/>
      <I ItemName="LblTagged.Caption" value="Tagged"/>
      <I ItemName="LblTagged.Hint" value="Tagged hint"/>
      <I ItemName="Btn.Caption" value="Button"/>
      <I ItemName="Chk.Caption" value="Check"/>
      <I ItemName="Rb.Caption" value="Radio"/>
      <I ItemName="Rb.Hint" value="Radio hint"/>
      <I ItemName="Gb.Caption" value="Group"/>
      <I ItemName="Pan.Caption" value="Panel"/>
      <I ItemName="Memo1.Lines.Count" value="3"/>
      <I ItemName="Memo1.Lines.Strings[0]" value="first"/>
      <I ItemName="Memo1.Lines.Strings[2]" value="third"/>
      <I ItemName="MemOther.Lines.Count" value="1"/>
      <I ItemName="MemOther.Lines.Strings[0]" value="never"/>
      <I ItemName="Cb.Items.Count" value="3"/>
      <I ItemName="Cb.Items.Strings[0]" value="a"/>
      <I ItemName="Cb.Items.Strings[2]" value="c"/>
      <I ItemName="Cb.Hint" value="Combo hint"/>
      <I ItemName="CbBad.Items.Count" value="many"/>
      <I ItemName="CbAnZhuangZiShi.Items.Count" value="2"/>
      <I ItemName="CbAnZhuangZiShi.Items.Strings[0]" value="horizontal"/>
      <I ItemName="CbAnZhuangZiShi.Items.Strings[1]" value="vertical"/>
      <I ItemName="Sg.Cells[1,0]" value="head"/>
      <I ItemName="Lv.Column[0].Caption" value="Name"/>
      <I ItemName="Lv.Items.Item[0].SubItems[0]" value="sub"/>
      <I ItemName="Chart.LeftAxis.Title.Caption" value="Vacuum [kPa]"/>
      <I ItemName="Chart.BottomAxis.Title.Caption" value="Time [s]"/>
      <I ItemName="Empty.Caption" value=""/>
    </FrmTest>
  </Forms>
  <Messages/>
  <Data/>
</L>
)";

// A test screen with one control of each kind the language reaches.
struct Screen {
    QWidget form;
    QLabel* lbl = new QLabel("designed", &form);
    QLabel* lblTagged = new QLabel("designed", &form);
    QLabel* empty = new QLabel("designed", &form);
    QPushButton* btn = new QPushButton("designed", &form);
    QCheckBox* chk = new QCheckBox("designed", &form);
    QRadioButton* rb = new QRadioButton("designed", &form);
    QGroupBox* gb = new QGroupBox("designed", &form);
    QWidget* pan = new QWidget(&form);
    QPlainTextEdit* memo1 = new QPlainTextEdit("designed", &form);
    QPlainTextEdit* memOther = new QPlainTextEdit("designed", &form);
    QComboBox* cb = new QComboBox(&form);
    QComboBox* cbBad = new QComboBox(&form);
    QComboBox* attitude = new QComboBox(&form);
    QTableWidget* sg = new QTableWidget(2, 2, &form);
    QTreeWidget* lv = new QTreeWidget(&form);
    QChartView* chart = new QChartView(&form);

    Screen() {
        form.setObjectName("FrmTest");
        const std::pair<QWidget*, const char*> names[] = {{lbl, "Lbl"},
                                                          {lblTagged, "LblTagged"},
                                                          {empty, "Empty"},
                                                          {btn, "Btn"},
                                                          {chk, "Chk"},
                                                          {rb, "Rb"},
                                                          {gb, "Gb"},
                                                          {pan, "Pan"},
                                                          {memo1, "Memo1"},
                                                          {memOther, "MemOther"},
                                                          {cb, "Cb"},
                                                          {cbBad, "CbBad"},
                                                          {attitude, "CbAnZhuangZiShi"},
                                                          {sg, "Sg"},
                                                          {lv, "Lv"},
                                                          {chart, "Chart"}};
        for (const auto& [widget, name] : names)
            widget->setObjectName(name);
        lblTagged->setProperty("tag", 1);
        lbl->setToolTip("designed hint");
        pan->setProperty("Caption", "designed");
        pan->setToolTip("designed hint");
        for (QComboBox* box : {cb, cbBad, attitude})
            box->addItems({"x", "y"});
        lv->setColumnCount(2);
        lv->addTopLevelItem(new QTreeWidgetItem(QStringList{"row", "designed"}));
        auto* axisY = new QValueAxis;
        auto* axisX = new QValueAxis;
        chart->chart()->addAxis(axisY, Qt::AlignLeft);
        chart->chart()->addAxis(axisX, Qt::AlignBottom);
    }
    QString leftTitle() const { return chart->chart()->axes(Qt::Vertical).first()->titleText(); }
};

} // namespace

class TestLanguageApply : public QObject {
    Q_OBJECT

    std::unique_ptr<TempProgramFolder> folder_;
    std::unique_ptr<TXMLLan> lan_;

private slots:
    void initTestCase() {
        folder_ = std::make_unique<TempProgramFolder>();
        folder_->writeFile("Language/Test.xml", Language);
        lan_ = std::make_unique<TXMLLan>(folder_->file("Language/Test.xml"));
        QVERIFY(lan_->Loaded());
    }

    void formTakesTextsOfEveryKind() {
        Screen s;
        QStringList hints;
        ApplyToForm(*lan_, &s.form, [&hints](const QString& hint, QWidget*) { hints << hint; });
        QCOMPARE(s.lbl->text(), QString("Label text"));
        QCOMPARE(s.lbl->toolTip(), QString("Label hint"));
        QCOMPARE(s.empty->text(), QString()); // an empty item is a text too
        QCOMPARE(s.btn->text(), QString("Button"));
        QCOMPARE(s.chk->text(), QString("Check"));
        QCOMPARE(s.rb->text(), QString("Radio"));
        QCOMPARE(s.gb->title(), QString("Group"));
        QCOMPARE(s.pan->property("Caption").toString(), QString("Panel"));
        QCOMPARE(s.memo1->toPlainText(), QString("first\nthird")); // line 1 missing: skipped
        QCOMPARE(s.memOther->toPlainText(), QString("designed"));  // only the named memos
        QCOMPARE(s.cb->count(), 2);
        QCOMPARE(s.cb->itemText(1), QString("c"));
        QCOMPARE(s.cb->toolTip(), QString("Combo hint"));
        QCOMPARE(s.cbBad->count(), 0); // a count that is no number counts as 0
        QCOMPARE(s.sg->item(0, 1)->text(), QString("head"));
        QVERIFY(!s.sg->item(0, 0));
        QCOMPARE(s.lv->headerItem()->text(0), QString("Name"));
        QCOMPARE(s.lv->topLevelItem(0)->text(1), QString("sub"));
        QCOMPARE(s.leftTitle(), QString("Vacuum [kPa]"));
        QCOMPARE(s.form.font().families().first(), QString("DejaVu Serif"));
    }

    void hintHandlerReceivesTheHintOfTheControlUnderTheMouse() {
        Screen s;
        QStringList hints;
        ApplyToForm(*lan_, &s.form, [&hints](const QString& hint, QWidget* control) {
            hints << control->objectName() + ":" + hint;
        });
        ApplyToForm(*lan_, &s.form, [&hints](const QString& hint, QWidget* control) {
            hints << control->objectName() + ":" + hint;
        });
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(s.lbl, &enter);
        QApplication::sendEvent(s.rb, &enter);          // radio buttons have no handler on forms
        QCOMPARE(hints, QStringList{"Lbl:Label hint"}); // applied twice, reported once
    }

    void wizardHandlesFewerKinds() {
        Screen s;
        QStringList hints;
        ApplyToWizard(*lan_, &s.form, [&hints](const QString& hint, QWidget* control) {
            hints << control->objectName() + ":" + hint;
        });
        QCOMPARE(s.lbl->text(), QString("Label text"));
        QCOMPARE(s.lbl->toolTip(), QString("designed hint")); // hint only with tag 1
        QCOMPARE(s.lblTagged->toolTip(), QString("Tagged hint"));
        QCOMPARE(s.pan->property("Caption").toString(), QString("designed"));
        QCOMPARE(s.pan->toolTip(), QString());
        QCOMPARE(s.btn->text(), QString("designed"));
        QCOMPARE(s.chk->text(), QString("designed"));
        QCOMPARE(s.memo1->toPlainText(), QString("designed"));
        QCOMPARE(s.cb->count(), 2);
        QCOMPARE(s.cb->itemText(1), QString("y")); // only the lifting attitude gets entries
        QCOMPARE(s.attitude->itemText(1), QString("vertical"));
        QVERIFY(!s.sg->item(0, 1)); // cells only for grids with tag 1
        QCOMPARE(s.lv->headerItem()->text(0), QString("1"));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(s.rb, &enter);
        QCOMPARE(hints, QStringList{"Rb:Radio hint"});
    }

    void countsTakeOnlyTheIndexedItemsThatExist_data() {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("largest int") << "2147483647" << QStringList{"a", "b", "h"};
        QTest::newRow("fewer than written") << "2" << QStringList{"a", "b"};
        QTest::newRow("negative") << "-5" << QStringList();
    }
    void countsTakeOnlyTheIndexedItemsThatExist() {
        QFETCH(QString, count);
        QFETCH(QStringList, expected);
        // Out of index order, with an index written with a leading zero that names no line.
        const QString lists = R"(<I ItemName="%1.Count" value="%2"/><I ItemName="%1.Strings[7]"
            value="h"/><I ItemName="%1.Strings[0]" value="a"/><I ItemName="%1.Strings[01]"
            value="not an index"/><I ItemName="%1.Strings[1]" value="b"/>)";
        const QString items = lists.arg("Cb.Items", count) + lists.arg("Memo1.Lines", count);
        TempProgramFolder folder;
        folder.writeFile("Language/Count.xml",
                         ("<L><Forms><FrmTest>" + items + "</FrmTest></Forms></L>").toUtf8());
        const TXMLLan lan(folder.file("Language/Count.xml"));
        Screen s;
        ApplyToForm(lan, &s.form, {});
        QStringList entries;
        for (int i = 0; i < s.cb->count(); ++i)
            entries << s.cb->itemText(i);
        QCOMPARE(entries, expected);
        QCOMPARE(s.memo1->toPlainText(), expected.join('\n'));
    }

    void missingScreenChangesNothing() {
        Screen s;
        s.form.setObjectName("FrmNotInTheFile");
        ApplyToForm(*lan_, &s.form, {});
        QCOMPARE(s.lbl->text(), QString("designed"));
        QCOMPARE(s.cb->count(), 2);
    }
};

QTEST_MAIN(TestLanguageApply)
#include "tst_language_apply.moc"
