#include "cli/ResultText.h"

#include "core/Globals.h"
#include "core/Languages.h"
#include "results/ResultFigures.h"
#include "units/UnitConversion.h"

namespace {

const char* const ScreenName = "FrmActuatorSelection";

} // namespace

TResultText::TResultText(TDMComm& db, const QString& language)
    : units_(db, LanguageLcid(language)), lan_(LanguageFilePathOf(language)) {}

QString TResultText::item(const QString& name, const QString& fallback) const {
    const QString text = lan_.FindFormItem(QLatin1String(ScreenName), name).value_or(QString());
    return text.isEmpty() ? fallback : text;
}

QList<TResultText::TRow> TResultText::Outputs(const TCalcReport& report) const {
    QList<TRow> rows;
    for (const TResultOutput& o : ResultOutputs(report.Output, report.Figures)) {
        if (!o.Shown)
            continue;
        TRow row{QLatin1String(o.Name), item(QLatin1String(o.Label) + ".Caption", o.Name), {}, {}};
        if (const TSinglePara* para = units_.FindParameter(o.Parameter)) {
            const int index = para->DefaultIndex();
            const bool noRelease = o.Parameter == 116 && o.Value == -1;
            row.Text = noRelease ? QString() : TextOfValue(*para, index, index, o.Value);
            row.Unit = o.Parameter == 1000 ? QString() : UnitCaption(&lan_, *para, index);
        }
        rows.append(row);
    }
    return rows;
}

QStringList TResultText::Evaluation(const TCalcReport& report) const {
    QString safety;
    for (const TRow& row : Outputs(report)) {
        if (row.Name == QLatin1String("anquanlv"))
            safety = row.Text;
    }
    const std::optional<double> sf = ParseNumber(safety); // as the page displays it
    if (!sf)
        return {};
    return EvaluationTexts(
        EvaluateResult(*sf, report.History.Attitude, report.History.OperateType,
                       report.History.Input, report.Figures),
        [this](const QString& key) { return lan_.GetMessageText(key).simplified(); });
}

QString TResultText::SeriesName(int series) const {
    static const char* const names[ChartSeriesCount] = {"release",        "adsorption",
                                                        "working vacuum", "horizontal guide",
                                                        "vertical guide", "theoretical adsorption"};
    if (series == ReleaseCurve)
        return item(QStringLiteral("ChartSeriesRelease.Caption"), QLatin1String(names[series]));
    if (series == AdsorptionCurve)
        return item(QStringLiteral("ChartSeriesAdsorption.Caption"), QLatin1String(names[series]));
    return QLatin1String(names[series]);
}
