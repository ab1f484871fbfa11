// How long binding the wizard's value pairs takes: about 40 boxes and text
// fields with their unit buttons, on a form with a few hundred other widgets,
// once without and once with a unit scheme (one catalogue query per pair).
#include "TestSupport.h"
#include "controls/SpeedButtonEx.h"
#include "controls/ValueEntry.h"
#include "core/DMComm.h"
#include "lang/XMLLan.h"
#include "units/UnitManager.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

const QList<int> ComboParameters = {100, 111, 112, 113,  105, 106, 106,  107, 108, 109, 110,
                                    101, 102, 102, 1000, 105, 118, 100,  111, 112, 113, 106,
                                    107, 108, 109, 110,  101, 102, 1000, 118, 112, 113};
const QList<int> EditParameters = {114, 115, 116, 117, 121, 123, 1000, 111};

struct WizardLikeForm {
    QWidget owner;
    QList<std::pair<QComboBox*, TSpeedButtonEx*>> combos;
    QList<std::pair<QLineEdit*, TSpeedButtonEx*>> edits;
    WizardLikeForm() {
        for (int i = 0; i < 300; ++i)
            new QLabel(&owner);
        for (int i = 0; i < ComboParameters.size(); ++i) {
            auto* box = new QComboBox(&owner);
            box->setEditable(true);
            combos.append({box, new TSpeedButtonEx(&owner)});
        }
        for (int i = 0; i < EditParameters.size(); ++i)
            edits.append({new QLineEdit(&owner), new TSpeedButtonEx(&owner)});
    }
    void bindAll(const TValueEntryContext& context) {
        for (int i = 0; i < combos.size(); ++i)
            BindComboButton(context, ComboParameters.at(i), combos.at(i).first,
                            combos.at(i).second);
        for (int i = 0; i < edits.size(); ++i)
            BindEditButton(context, EditParameters.at(i), edits.at(i).first, edits.at(i).second);
    }
};

} // namespace

class BenchUnits : public QObject {
    Q_OBJECT

    TDMComm db_;
    std::unique_ptr<TUnitManager> units_;
    std::unique_ptr<TXMLLan> lan_;

    void bind(int scheme) {
        WizardLikeForm form;
        const TValueEntryContext context{units_.get(), lan_.get(), scheme, true, nullptr};
        QBENCHMARK {
            form.bindAll(context);
        }
        QVERIFY(!form.combos.last().second->text().isEmpty());
    }

private slots:
    void initTestCase() {
        QVERIFY(ConnectBuiltCatalogue(db_));
        units_ = std::make_unique<TUnitManager>(db_, 1033);
        lan_ = std::make_unique<TXMLLan>(ZAVK_TEST_LANGUAGE_DIR "/English.xml");
    }

    void bind40PairsWithoutScheme() { bind(0); }
    void bind40PairsWithScheme() { bind(2); }

    void loadParameters() {
        QBENCHMARK {
            units_->LoadParameters();
        }
    }
};

QTEST_MAIN(BenchUnits)
#include "bench_units.moc"
