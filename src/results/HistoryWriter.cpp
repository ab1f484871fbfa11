#include "results/HistoryWriter.h"

#include "core/FileAccess.h"

#include <QLocale>

#include <cmath>

namespace {

// How a value is written: text as it is, a number in general format, an integer
// in decimal digits, a radio button's state as "1" or "0".
enum class Kind { Text, Number, Integer, Radio };

// One key of the wizard's controls with the text written when the state leaves it out.
struct ControlKey {
    const char* Key;
    Kind Type;
    const char* Default;
};

// The controls in writing order, after the record; an empty key is the file's one
// empty line. Keys the loader never reads (the page of the diagram notebook, the
// row counts of the pad grids) are written all the same.
const ControlKey ControlKeys[] = {
    {"Sghuilu.RowCount", Kind::Integer, "4"},
    {"Sghuilu.Row", Kind::Integer, "0"},
    {"Notebook2.PageIndex", Kind::Integer, "0"},
    {"Rbpohuai_shiyoug1.Checked", Kind::Radio, "0"},
    {"Rbpohuai_bushiyoug1.Checked", Kind::Radio, "0"},
    {"Rbpohuai_shiyoug2.Checked", Kind::Radio, "0"},
    {"Rbpohuai_bushiyoug2.Checked", Kind::Radio, "0"},
    {"Rbhuilu2_1.Checked", Kind::Radio, "0"},
    {"Rbhuilu2_2.Checked", Kind::Radio, "0"},
    {"Rbhuilu2_3.Checked", Kind::Radio, "0"},
    {"Rbjeliu_shiyoug1.Checked", Kind::Radio, "0"},
    {"Rbjeliu_bushiyoug1.Checked", Kind::Radio, "0"},
    {"Rbhuilu4_1.Checked", Kind::Radio, "0"},
    {"Rbhuilu4_2.Checked", Kind::Radio, "0"},
    {"Rbjeliu_shiyoug2.Checked", Kind::Radio, "0"},
    {"Rbjeliu_bushiyoug2.Checked", Kind::Radio, "0"},
    {"Btnyingdashijian.CurNum", Kind::Number, "0"},
    {"Btnyingdashijian.ItemIndex", Kind::Integer, "0"},
    {"Cbyingdashijian.Text", Kind::Text, ""},
    {"CbAnZhuangZiShi.ItemIndex", Kind::Integer, "0"},
    {"BtnAnquanlv.CurNum", Kind::Number, "0"},
    {"BtnAnquanlv.ItemIndex", Kind::Integer, "0"},
    {"CbAnquanlv.Text", Kind::Text, ""},
    {"Btngongjianzhiliang.CurNum", Kind::Number, "0"},
    {"Btngongjianzhiliang.ItemIndex", Kind::Integer, "0"},
    {"Cbgongjianzhiliang.Text", Kind::Text, ""},
    {"BtnZhenKongPengYaLi.CurNum", Kind::Number, "0"},
    {"BtnZhenKongPengYaLi.ItemIndex", Kind::Integer, "0"},
    {"CbZhenKongPengYaLi.Text", Kind::Text, ""},
    {"BtnGongYingYaLi.CurNum", Kind::Number, "0"},
    {"BtnGongYingYaLi.ItemIndex", Kind::Integer, "0"},
    {"CbGongYingYaLi.Text", Kind::Text, ""},
    {"EdtPTsel.Text", Kind::Text, ""},
    {"EdtTubesel.Text", Kind::Text, ""},
    {"EdtEJsel.Text", Kind::Text, ""},
    {"EdtGongyingVAsel.Text", Kind::Text, ""},
    {"EdtPohuaiVAsel.Text", Kind::Text, ""},
    {"EdtQiehuanVAsel.Text", Kind::Text, ""},
    {"EdtjieliuVAsel.Text", Kind::Text, ""},
    {"btnPTCount.CurNum", Kind::Number, "0"},
    {"btnPTCount.ItemIndex", Kind::Integer, "0"},
    {"cbPTCount.Text", Kind::Text, ""},
    {"btngongjianxielouliang_calc.CurNum", Kind::Number, "0"},
    {"btngongjianxielouliang_calc.ItemIndex", Kind::Integer, "0"},
    {"Cbgongjianxielouliang_calc.Text", Kind::Text, ""},
    {"RbTubeLen_calc.Checked", Kind::Radio, "1"},
    {"rbTubeRongji_calc.Checked", Kind::Radio, "0"},
    {"btnTubeLength_calc.CurNum", Kind::Number, "0"},
    {"btnTubeLength_calc.ItemIndex", Kind::Integer, "0"},
    {"CbTubeLength_calc.Text", Kind::Text, ""},
    {"btnTubeRongji_calc.CurNum", Kind::Number, "0"},
    {"btnTubeRongji_calc.ItemIndex", Kind::Integer, "0"},
    {"CbTubeRongji_calc.Text", Kind::Text, ""},
    {"btnTubeYinSu_calc.CurNum", Kind::Number, "0"},
    {"btnTubeYinSu_calc.ItemIndex", Kind::Integer, "0"},
    {"CbTubeYinSu_calc.Text", Kind::Text, ""},
    {"btnEJCount.CurNum", Kind::Number, "0"},
    {"btnEJCount.ItemIndex", Kind::Integer, "0"},
    {"cbEJCount.Text", Kind::Text, ""},
    {"btnjieliuVAKaidu.CurNum", Kind::Number, "0"},
    {"btnjieliuVAKaidu.ItemIndex", Kind::Integer, "0"},
    {"cbjieliuVAKaidu.Text", Kind::Text, ""},
    {"Btnxipanshuliang.CurNum", Kind::Number, "0"},
    {"Btnxipanshuliang.ItemIndex", Kind::Integer, "0"},
    {"Cbxipanshuliang.Text", Kind::Text, ""},
    {"Rbhuangchong_yes.Checked", Kind::Radio, "0"},
    {"Rbhuangchong_no.Checked", Kind::Radio, "0"},
    {"Rbzidong.Checked", Kind::Radio, "0"},
    {"Rbzhiding.Checked", Kind::Radio, "0"},
    {"BtnZhenKongYaLi.CurNum", Kind::Number, "0"},
    {"BtnZhenKongYaLi.ItemIndex", Kind::Integer, "0"},
    {"CbZhenKongYaLi.Text", Kind::Text, ""},
    {"SgPTSeries.RowCount", Kind::Integer, "1"},
    {"SgPThinban.RowCount", Kind::Integer, "1"},
    {"SgPTSeries.Row", Kind::Integer, "0"},
    {"SgPThinban.Row", Kind::Integer, "0"},
    {"Btngongjianxielouliang.CurNum", Kind::Number, "0"},
    {"Btngongjianxielouliang.ItemIndex", Kind::Integer, "0"},
    {"Cbgongjianxielouliang.Text", Kind::Text, ""},
    {"SgTubeSeries.RowCount", Kind::Integer, "1"},
    {"SgTubeSeries.Row", Kind::Integer, "0"},
    {"BtnTubeLength.CurNum", Kind::Number, "0"},
    {"BtnTubeLength.ItemIndex", Kind::Integer, "0"},
    {"CbTubeLength.Text", Kind::Text, ""},
    {"SgEJSeries.RowCount", Kind::Integer, "1"},
    {"SgEJSeries.Row", Kind::Integer, "0"},
    {"RbGyyldot35.Checked", Kind::Radio, "0"},
    {"RbGyyldot4.Checked", Kind::Radio, "0"},
    {"RbGyyldot45.Checked", Kind::Radio, "0"},
    {"RbGyyldot5.Checked", Kind::Radio, "0"},
    {"RbBiaoZhun.Checked", Kind::Radio, "0"},
    {"RbDaLiuLiang.Checked", Kind::Radio, "0"},
    {"", Kind::Text, ""},
    {"SGGongyingfa.RowCount", Kind::Integer, "1"},
    {"SGPohuaifa.RowCount", Kind::Integer, "1"},
    {"SGQieHuanfa.RowCount", Kind::Integer, "1"},
    {"SGJieliufa.RowCount", Kind::Integer, "1"},
    {"SGGongyingfa.Row", Kind::Integer, "0"},
    {"SGPohuaifa.Row", Kind::Integer, "0"},
    {"SGQieHuanfa.Row", Kind::Integer, "0"},
    {"SGJieliufa.Row", Kind::Integer, "0"},
};

// The wizard form's value buttons in its component order; each gives two lines at
// the end of the file, its unit index and its caption.
const char* const ValueButtons[] = {
    "Btnyingdashijian",
    "BtnGongYingYaLi",
    "BtnZhenKongPengYaLi",
    "BtnAnquanlv",
    "Btngongjianzhiliang",
    "BtnPTsel",
    "btnPTCount",
    "BtnTubesel",
    "btnTubeLength_calc",
    "btnTubeRongji_calc",
    "btnTubeYinSu_calc",
    "BtnEJsel",
    "btnEJCount",
    "BtnGongyingVAsel",
    "BtnQiehuanVAsel",
    "BtnPohuaiVAsel",
    "BtnjieliuVAsel",
    "btnjieliuVAKaidu",
    "btngongjianxielouliang_calc",
    "Btnxipanshuliang",
    "BtnZhenKongYaLi",
    "Btngongjianxielouliang",
    "BtnTubeLength",
    "Btnzhenkongyl_out",
    "Btnzuidazhenkongyali_out",
    "Btnxizhuoyingdashijian_out",
    "Btnpohuaiyingdashijian_out",
    "Btnanquanlv_out",
    "BtnBiaoZhunYaLI_out",
    "Btnkongqixiaofeiliang_out",
    "Btnbiyaozhenkongbengliuliang_out",
    "Btnyingdashijian_in",
    "Btngongyingyali_in",
    "Btnzhenkongpengyali_in",
    "Btntubechangdu_in",
    "Btnkaidu_in",
    "Btnzhenkongyali_in",
    "Btngongjianzhiliang_in",
    "Btnxilouliang_in",
    "BtnTubeYinSu_in",
    "BtnTubeRongji_in",
};

// One line of the file before its value is formatted; an empty key is the empty line.
struct Entry {
    QString Key;
    Kind Type = Kind::Text;
    QVariant Value;
};

// A field of the record as the file writes it: its key and its kind by its type.
Entry recordEntry(const std::pair<QString, QVariant>& field) {
    const int type = field.second.typeId();
    const Kind kind = type == QMetaType::Int      ? Kind::Integer
                      : type == QMetaType::Double ? Kind::Number
                                                  : Kind::Text;
    return {QStringLiteral("CalcInput.") + field.first, kind, field.second};
}

Entry controlEntry(const THistoryState& state, const ControlKey& control) {
    const QString key = QLatin1String(control.Key);
    const QString suffix = QStringLiteral(".ItemIndex");
    if (key.endsWith(suffix)) {
        const auto unit = state.ButtonUnits.constFind(key.chopped(suffix.size()));
        if (unit != state.ButtonUnits.constEnd())
            return {key, control.Type, unit->first};
    }
    return {key, control.Type, state.Controls.value(key, QString::fromLatin1(control.Default))};
}

QList<Entry> entries(const THistoryState& state) {
    const bool select = state.OperateType == TOperateType::otSelect;
    QList<Entry> list = {
        {"SoftName", Kind::Text, QStringLiteral("ZAVK1")},
        {"OperateType", Kind::Text, select ? QStringLiteral("otSelect") : QStringLiteral("otCalc")},
        {"EJ_Type", Kind::Text, state.EJ_Type},
        {"EJ_Valve_V2", Kind::Text, state.EJ_Valve_V2},
        {"Tube_QMax", Kind::Number, state.Tube_QMax},
        {"VA_Gongying_BiJiaoVaule", Kind::Number, state.VA_Gongying_BiJiaoVaule},
        {"VA_Pohuai_BiJiaoVaule", Kind::Number, state.VA_Pohuai_BiJiaoVaule},
        {"VA_Jieliu_BiJiaoVaule", Kind::Number, state.VA_Jieliu_BiJiaoVaule},
    };
    for (const auto& field : CalcInputFields(state.Input))
        list.append(recordEntry(field));
    for (const ControlKey& control : ControlKeys)
        list.append(controlEntry(state, control));
    for (const char* button : ValueButtons) {
        const QString name = QLatin1String(button);
        const auto unit = state.ButtonUnits.value(name, {0, QString()});
        list.append({name + QStringLiteral(".ItemIndex"), Kind::Integer, unit.first});
        list.append({name + QStringLiteral(".Caption"), Kind::Text, unit.second});
    }
    return list;
}

} // namespace

QStringList HistoryControlKeys() {
    QStringList keys;
    for (const ControlKey& control : ControlKeys) {
        if (*control.Key)
            keys << QLatin1String(control.Key);
    }
    return keys;
}

QStringList HistoryValueButtons() {
    QStringList names;
    for (const char* button : ValueButtons)
        names << QLatin1String(button);
    return names;
}

namespace {

QString valueText(const Entry& entry, const QString& decimalSeparator) {
    switch (entry.Type) {
    case Kind::Number:
        return QString::number(entry.Value.toDouble(), 'g', 15)
            .replace(QLatin1Char('.'), decimalSeparator);
    case Kind::Integer:
        return QString::number(entry.Value.toLongLong());
    case Kind::Radio:
        return entry.Value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case Kind::Text:
        break;
    }
    QString text = entry.Value.toString();
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

// A number or integer that would not read back as one.
bool unreadable(const Entry& entry) {
    bool ok = true;
    if (entry.Type == Kind::Number)
        return !std::isfinite(entry.Value.toDouble(&ok)) || !ok;
    if (entry.Type == Kind::Integer)
        entry.Value.toLongLong(&ok);
    return !ok;
}

bool fail(QString* error, const QString& message) {
    if (error)
        *error = message;
    return false;
}

} // namespace

QStringList HistoryLines(const THistoryState& state, const QString& decimalSeparator) {
    QStringList lines = {QStringLiteral("[History]")};
    for (const Entry& entry : entries(state))
        lines.append(entry.Key.isEmpty()
                         ? QString()
                         : entry.Key + QLatin1Char('=') + valueText(entry, decimalSeparator));
    return lines;
}

bool WriteHistoryFile(const QString& path, const THistoryState& state, QString* error) {
    for (const Entry& entry : entries(state)) {
        if (unreadable(entry))
            return fail(error, QStringLiteral("cannot write %1: key %2: '%3' is not a number")
                                   .arg(path, entry.Key, entry.Value.toString()));
    }
    const QString crlf = QStringLiteral("\r\n");
    const QByteArray content =
        (HistoryLines(state, QLocale().decimalPoint()).join(crlf) + crlf).toUtf8();
    QString reason;
    if (!WriteFileAtomically(path, content, reason))
        return fail(error, reason);
    return true;
}

QString HistoryFileName(const QString& chosen, TOperateType mode) {
    const QString extension =
        mode == TOperateType::otSelect ? QStringLiteral(".SEL") : QStringLiteral(".CAL");
    if (chosen.size() > extension.size() && chosen.endsWith(extension, Qt::CaseSensitive))
        return chosen;
    return chosen + extension;
}
