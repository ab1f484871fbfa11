#include "results/ResultFigures.h"

#include "core/DMComm.h"
#include "core/Helpers.h"
#include "results/HistoryFile.h"

TResultFigures ResultFiguresOf(TDMComm& db, const TCalcInput& input, const TCalcOutput& output) {
    TResultFigures f;
    f.EjectorRows = input.System_Cat == 1 || input.System_Cat == 2;
    f.ShownAirFlow =
        f.EjectorRows ? input.EJ_n * output.kongqixiaofeiliang : output.kongqixiaofeiliang;
    if (f.EjectorRows)
        f.StandardPressure = db.ValueOfId("M_EJ", "Stand_Pressure", input.EJ_ID).toDouble();
    f.NozzleDiameter = db.ValueOfId("M_EJ", "Nozzle_Diameter", input.EJ_ID).toDouble();
    f.SupplyValveC = db.ValueOfId("M_VA", "C1to2", input.VA_Gongying_ID).toDouble();
    return f;
}

QString MissingProduct(TDMComm& db, const TCalcInput& input) {
    for (const THistoryProduct& product : NamedProducts(input)) {
        if (!IsIntegerText(product.Id))
            return QStringLiteral("key %1: product ID %2 is not a number")
                .arg(product.Key, product.Id);
        const bool opened = db.OpenSQL(QStringLiteral("SELECT ID FROM ") + product.Table +
                                       QStringLiteral(" WHERE ID=") + product.Id);
        const bool found = opened && !db.QComm.IsEmpty();
        db.QComm.Close();
        if (found)
            continue;
        return opened ? QStringLiteral("key %1: no product %2 in table %3 of the catalogue")
                            .arg(product.Key, product.Id, product.Table)
                      : QStringLiteral("key %1: cannot look up product %2: %3")
                            .arg(product.Key, product.Id, db.LastError());
    }
    return QString();
}

QList<TEvaluationLine> EvaluateResult(double sf, int attitude, TOperateType mode,
                                      const TCalcInput& input, const TResultFigures& f) {
    QList<TEvaluationLine> lines;
    if (sf <= 1)
        lines.append({QStringLiteral("MSGCaclResult1")});
    else if (mode == TOperateType::otCalc && sf <= 8)
        lines.append({QStringLiteral("MSGCaclResult2_3")});
    else if (mode == TOperateType::otSelect && attitude == 0 && sf <= 4)
        lines.append({QStringLiteral("MSGCaclResult2_1")});
    else if (mode == TOperateType::otSelect && attitude == 1 && sf <= 8)
        lines.append({QStringLiteral("MSGCaclResult2_2")});
    // A supply valve exactly as large as the nozzle asks is still reported.
    const double d = 0.471 * f.NozzleDiameter * f.NozzleDiameter;
    if (f.SupplyValveC > d)
        return lines;
    const bool ejectorValves = input.System_Cat == 2;
    if (IsOneOf(input.CircuitNum, {"3", "3b", "4", "4b", "5"}))
        lines.append({QStringLiteral("MSGCaclResult3"), ejectorValves ? input.EJ_n * d : d, true});
    else if (IsOneOf(input.CircuitNum, {"9", "9b"}))
        lines.append({QStringLiteral("MSGCaclResult4"), ejectorValves ? d : input.EJ_n * d, true});
    return lines;
}

QStringList EvaluationTexts(const QList<TEvaluationLine>& lines,
                            const std::function<QString(const QString& key)>& message) {
    QStringList texts;
    for (const TEvaluationLine& line : lines) {
        QString text = message(line.Key);
        if (line.HasValue)
            text.replace(QLatin1String("%g"), QString::number(line.Value, 'g', 6));
        texts << text;
    }
    return texts;
}

QList<TResultOutput> ResultOutputs(const TCalcOutput& o, const TResultFigures& f) {
    const bool ejector = f.EjectorRows;
    return {
        {"Lblzuidazhenkongyali_out", "Edtzuidazhenkongyali_out", "Btnzuidazhenkongyali_out",
         "zuidazhenkongyali", 114, -o.zuidazhenkongyali, true},
        {"Lblxizhuoyingdashijian_out", "Edtxizhuoyingdashijian_out", "Btnxizhuoyingdashijian_out",
         "xizhuoyingdashijian", 115, o.xizhuoyingdashijian, true},
        {"Lblpohuaiyingdashijian_out", "Edtpohuaiyingdashijian_out", "Btnpohuaiyingdashijian_out",
         "pohuaiyingdashijian", 116, o.pohuaiyingdashijian, true},
        {"Lblanquanlv_out", "Edtanquanlv_out", "Btnanquanlv_out", "anquanlv", 1000, o.anquanlv,
         true},
        {"LblBiaoZhunYaLI_out", "EdtBiaoZhunYaLI_out", "BtnBiaoZhunYaLI_out", "BiaoZhunYaLI_out",
         121, f.StandardPressure, ejector},
        {"Lblkongqixiaofeiliang_out", "Edtkongqixiaofeiliang_out", "Btnkongqixiaofeiliang_out",
         "kongqixiaofeiliang_out", 117, f.ShownAirFlow, ejector},
        {"Lblbiyaozhenkongbengliuliang_out", "Edtbiyaozhenkongbengliuliang_out",
         "Btnbiyaozhenkongbengliuliang_out", "biyaozhenkongbengliuliang", 123,
         o.biyaozhenkongbengliuliang, !ejector},
    };
}
