#include "results/HistoryFile.h"

#include "calc/CircuitTable.h"
#include "core/FileAccess.h"
#include "core/Helpers.h"
#include "core/IniFile.h"

#include <QFileInfo>
#include <QHash>

#include <cmath>

namespace {

const QString Prefix = QStringLiteral("CalcInput.");

// One product kind of the record: its key stem, its table and its three fields.
struct ProductFields {
    const char* Stem;
    const char* Table;
    QString TCalcInput::*Series;
    QString TCalcInput::*Id;
    QString TCalcInput::*Name;
};

// In the order the history file writes them (tubing before ejector, supply valve
// before release valve).
const ProductFields Products[] = {
    {"PT", "M_PT", &TCalcInput::PT_Series_ID, &TCalcInput::PT_ID, &TCalcInput::PT_Name},
    {"Tube", "M_Tube", &TCalcInput::Tube_Series_ID, &TCalcInput::Tube_ID, &TCalcInput::Tube_Name},
    {"EJ", "M_EJ", &TCalcInput::EJ_Series_ID, &TCalcInput::EJ_ID, &TCalcInput::EJ_Name},
    {"VA_Gongying", "M_VA", &TCalcInput::VA_Gongying_Series_ID, &TCalcInput::VA_Gongying_ID,
     &TCalcInput::VA_Gongying_Name},
    {"VA_Pohuai", "M_VA", &TCalcInput::VA_Pohuai_Series_ID, &TCalcInput::VA_Pohuai_ID,
     &TCalcInput::VA_Pohuai_Name},
    {"VA_QieHuan", "M_VA", &TCalcInput::VA_QieHuan_Series_ID, &TCalcInput::VA_QieHuan_ID,
     &TCalcInput::VA_QieHuan_Name},
    {"VA_Jieliu", "M_SPECON", &TCalcInput::VA_Jieliu_Series_ID, &TCalcInput::VA_Jieliu_ID,
     &TCalcInput::VA_Jieliu_Name},
};

struct NumberField {
    const char* Name;
    double TCalcInput::*Member;
};

const NumberField Numbers[] = {
    {"BiaoZhunGongyingYaLi", &TCalcInput::BiaoZhunGongyingYaLi},
    {"PoHuaiYaLi", &TCalcInput::PoHuaiYaLi},
    {"ZhenKongPengYaLi", &TCalcInput::ZhenKongPengYaLi},
    {"zhenkongyali", &TCalcInput::zhenkongyali},
    {"TubeLength", &TCalcInput::TubeLength},
    {"gongjianzhiliang", &TCalcInput::gongjianzhiliang},
    {"gongjianxielouliang", &TCalcInput::gongjianxielouliang},
    {"k", &TCalcInput::k},
    {"Se", &TCalcInput::Se},
    {"V", &TCalcInput::V},
    {"n", &TCalcInput::n},
};

QString idKey(const ProductFields& product) {
    return Prefix + QLatin1String(product.Stem) + QStringLiteral("_ID");
}

// The keys of section "History", read in one pass.
class HistorySection {
public:
    explicit HistorySection(const QByteArray& content)
        : values_(IniFile::SectionValues(content, QStringLiteral("History"))) {}

    bool has(const QString& key) const { return values_.contains(key.toLower()); }
    QString value(const QString& key) const { return values_.value(key.toLower()); }
    const QHash<QString, QString>& values() const { return values_; }

private:
    QHash<QString, QString> values_;
};

// Reads one history file into calc; every check stops at the first problem.
class Reader {
public:
    Reader(const QByteArray& content, const QString& fileName, THistoryError& error)
        : section_(content), file_(fileName), error_(error) {}

    bool read(THistoryCalc& calc) {
        if (!checkSoftName())
            return false;
        // Only the exact text "otSelect" selects; a missing key counts as "otSelect".
        const QString mode = QStringLiteral("OperateType");
        calc.OperateType = !section_.has(mode) || section_.value(mode) == QLatin1String("otSelect")
                               ? TOperateType::otSelect
                               : TOperateType::otCalc;
        calc.TubeQMax = 0;
        if (section_.has(QStringLiteral("Tube_QMax")) &&
            !number(QStringLiteral("Tube_QMax"), calc.TubeQMax))
            return false;
        const QString attitude = QStringLiteral("CbAnZhuangZiShi.ItemIndex");
        calc.Attitude = 0;
        if (section_.has(attitude) && !integer(attitude, calc.Attitude))
            return false;
        return readInput(calc.Input);
    }

    // The whole run: the record, the wizard's values and the controls' numbers.
    bool readRun(THistoryRun& run) {
        if (!read(run.Calc) || !filter(QStringLiteral("EJ_Type"), run.EJ_Type) ||
            !filter(QStringLiteral("EJ_Valve_V2"), run.EJ_Valve_V2))
            return false;
        const std::pair<const char*, double*> values[] = {
            {"VA_Gongying_BiJiaoVaule", &run.VA_Gongying_BiJiaoVaule},
            {"VA_Pohuai_BiJiaoVaule", &run.VA_Pohuai_BiJiaoVaule},
            {"VA_Jieliu_BiJiaoVaule", &run.VA_Jieliu_BiJiaoVaule}};
        for (const auto& [key, value] : values) {
            if (section_.has(QLatin1String(key)) && !number(QLatin1String(key), *value))
                return false;
        }
        run.Values = section_.values();
        for (auto it = run.Values.cbegin(); it != run.Values.cend(); ++it) {
            if (!controlNumber(it.key(), it.value()))
                return false;
        }
        return true;
    }

private:
    // An ejector filter goes into SQL: only the forms the circuit table gives.
    bool filter(const QString& key, QString& value) {
        value = section_.value(key);
        if (value.isEmpty())
            return true;
        const bool type = key == QLatin1String("EJ_Type");
        for (int index = 0; index < CircuitCount; ++index) {
            const TCircuit& circuit = Circuits()[index];
            if (value == QLatin1String(type ? circuit.EjType : circuit.EjValveV2))
                return true;
        }
        return fail(
            THistoryProblem::BadValue, key,
            QStringLiteral("key %1: '%2' is not a value this program writes").arg(key, value));
    }

    // The controls' values that are numbers must read as numbers; texts are free.
    bool controlNumber(const QString& key, const QString& value) {
        static const char* const integers[] = {".itemindex", ".rowcount", ".row", ".pageindex",
                                               ".checked"};
        bool ok = true;
        if (key.endsWith(QLatin1String(".curnum")))
            ok = value.isEmpty() || HistoryNumber(value).has_value();
        for (const char* suffix : integers) {
            if (key.endsWith(QLatin1String(suffix)) && !value.isEmpty())
                value.toInt(&ok);
        }
        if (ok)
            return true;
        return fail(THistoryProblem::BadNumber, key,
                    QStringLiteral("key %1: '%2' is not a number").arg(key, value));
    }

    bool checkSoftName() {
        const QString key = QStringLiteral("SoftName");
        if (!section_.has(key))
            return fail(THistoryProblem::NotHistory, key,
                        QStringLiteral("not a ZAVK history file: key SoftName is missing"));
        const QString value = section_.value(key);
        if (value == QLatin1String("ZAVK1"))
            return true;
        return fail(THistoryProblem::NotHistory, key,
                    QStringLiteral("not a ZAVK history file: key SoftName is '%1', not 'ZAVK1'")
                        .arg(value));
    }

    bool readInput(TCalcInput& input) {
        input = TCalcInput();
        if (!integer(Prefix + "System_Cat", input.System_Cat) ||
            !text(Prefix + "CircuitNum", input.CircuitNum, QString()))
            return false;
        const QStringList required = RequiredProductKeys(input.CircuitNum, input.System_Cat);
        for (const ProductFields& product : Products) {
            if (!readProduct(product, input, required))
                return false;
        }
        for (const NumberField& field : Numbers) {
            if (!number(Prefix + field.Name, input.*field.Member))
                return false;
        }
        return integer(Prefix + "EJ_n", input.EJ_n);
    }

    bool readProduct(const ProductFields& product, TCalcInput& input, const QStringList& required) {
        const QString stem = Prefix + QLatin1String(product.Stem);
        input.*product.Series = section_.value(stem + "_Series_ID");
        input.*product.Name = section_.value(stem + "_Name");
        const QString key = idKey(product);
        QString& id = input.*product.Id;
        if (required.contains(key)) {
            const QString circuit = QStringLiteral("circuit %1 needs it").arg(input.CircuitNum);
            if (!text(key, id, circuit))
                return false;
        } else {
            id = section_.value(key);
        }
        if (id.isEmpty() || IsIntegerText(id))
            return true;
        return fail(THistoryProblem::BadId, key,
                    QStringLiteral("key %1: '%2' is not an integer ID").arg(key, id));
    }

    // A key that must be present and not empty; why says who needs it.
    bool text(const QString& key, QString& value, const QString& why) {
        const QString reason = why.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(why);
        if (!section_.has(key))
            return fail(THistoryProblem::MissingKey, key,
                        QStringLiteral("key %1 is missing%2").arg(key, reason));
        value = section_.value(key);
        if (!value.isEmpty())
            return true;
        return fail(THistoryProblem::MissingKey, key,
                    QStringLiteral("key %1 is empty%2").arg(key, reason));
    }

    bool number(const QString& key, double& value) {
        QString raw;
        if (!text(key, raw, QString()))
            return false;
        const std::optional<double> read = HistoryNumber(raw);
        value = read.value_or(0);
        if (read)
            return true;
        return fail(THistoryProblem::BadNumber, key,
                    QStringLiteral("key %1: '%2' is not a number").arg(key, raw));
    }

    bool integer(const QString& key, int& value) {
        QString raw;
        if (!text(key, raw, QString()))
            return false;
        bool ok = false;
        value = raw.toInt(&ok);
        if (ok)
            return true;
        return fail(THistoryProblem::BadNumber, key,
                    QStringLiteral("key %1: '%2' is not an integer").arg(key, raw));
    }

    bool fail(THistoryProblem problem, const QString& key, const QString& message) {
        error_ = {problem, file_, key, file_ + QStringLiteral(": ") + message};
        return false;
    }

    HistorySection section_;
    QString file_;
    THistoryError& error_;
};

bool failUnreadable(const QString& path, const QString& reason, THistoryError& error) {
    error = {THistoryProblem::Unreadable, path, QString(),
             QStringLiteral("%1: cannot read the file: %2").arg(path, reason)};
    return false;
}

} // namespace

bool ParseHistoryCalc(const QByteArray& content, const QString& fileName, THistoryCalc& calc,
                      THistoryError& error) {
    error = THistoryError();
    return Reader(content, fileName, error).read(calc);
}

QList<std::pair<QString, QVariant>> CalcInputFields(const TCalcInput& input) {
    QList<std::pair<QString, QVariant>> fields = {{QStringLiteral("System_Cat"), input.System_Cat},
                                                  {QStringLiteral("CircuitNum"), input.CircuitNum}};
    for (const ProductFields& product : Products) {
        const QString stem = QLatin1String(product.Stem);
        fields.append({stem + QStringLiteral("_Series_ID"), input.*product.Series});
        fields.append({stem + QStringLiteral("_ID"), input.*product.Id});
        fields.append({stem + QStringLiteral("_Name"), input.*product.Name});
    }
    for (const NumberField& field : Numbers)
        fields.append({QLatin1String(field.Name), input.*field.Member});
    fields.append({QStringLiteral("EJ_n"), input.EJ_n});
    return fields;
}

std::optional<double> HistoryNumber(const QString& text) {
    bool ok = false;
    const double value = QString(text).replace(',', '.').toDouble(&ok);
    if (ok && std::isfinite(value))
        return value;
    return std::nullopt;
}

// The file's bytes; false with the reason in error when it cannot be read.
static bool readHistoryBytes(const QString& path, QByteArray& content, THistoryError& error) {
    error = THistoryError();
    if (!QFileInfo(path).exists())
        return failUnreadable(path, QStringLiteral("no such file"), error);
    QString reason;
    return ReadRegularFile(path, IniFile::MaxFileSize, content, reason) ||
           failUnreadable(path, reason, error);
}

bool ReadHistoryRun(const QString& path, THistoryRun& run, THistoryError& error) {
    QByteArray content;
    return readHistoryBytes(path, content, error) && Reader(content, path, error).readRun(run);
}

bool IsHistoryFile(const QString& path) {
    QByteArray content;
    QString reason;
    return ReadRegularFile(path, IniFile::MaxFileSize, content, reason) &&
           HistorySection(content).value(QStringLiteral("SoftName")) == QLatin1String("ZAVK1");
}

bool ReadHistoryCalc(const QString& path, THistoryCalc& calc, THistoryError& error) {
    QByteArray content;
    return readHistoryBytes(path, content, error) && ParseHistoryCalc(content, path, calc, error);
}

QStringList RequiredProductKeys(const QString& circuitNum, int systemCat) {
    QStringList keys = {Prefix + "PT_ID"};
    if (systemCat >= 1 && systemCat <= 3)
        keys << Prefix + "EJ_ID";
    const TCircuit* circuit = FindCircuit(circuitNum);
    if (!circuit)
        return keys;
    if (circuit->ReleaseValve)
        keys << Prefix + "VA_Pohuai_ID";
    if (circuit->SwitchingValve)
        keys << Prefix + "VA_QieHuan_ID";
    if (circuit->ThrottleModel)
        keys << Prefix + "VA_Jieliu_ID";
    return keys;
}

QList<THistoryProduct> NamedProducts(const TCalcInput& input) {
    QList<THistoryProduct> named;
    for (const ProductFields& product : Products) {
        const QString& id = input.*product.Id;
        if (!id.isEmpty())
            named.append({idKey(product), QLatin1String(product.Table), id});
    }
    return named;
}
