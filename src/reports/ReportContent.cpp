#include "reports/ReportContent.h"

const char* const ResultProductRows[7][3] = {
    {"LblSelectPT", "EdtSelectPT", "EdtSelectPTCount"},
    {"LblSelectTube", "EdtSelectTube", "EdtSelectTubeCount"},
    {"LblSelectET", "EdtSelectET", "EdtSelectETCount"},
    {"LblSelectVAGongYing", "EdtSelectVAGongYing", "EdtSelectVAGongYingCount"},
    {"LblSelectVAPoHuai", "EdtSelectVAPoHuai", "EdtSelectVAPoHuaiCount"},
    {"LblSelectVAQieHuan", "EdtSelectVAQieHuan", "EdtSelectVAQieHuanCount"},
    {"LblSelectVAJieLiu", "EdtSelectVAJieLiu", "EdtSelectVAJieLiuCount"},
};

namespace {

// An input of the summary: its label, field and unit button (none for a text).
struct TInputRow {
    const char* Label;
    const char* Field;
    const char* Button;
};
const TInputRow ResponseTime{"Lblyingdashijian_in", "Edtyingdashijian_in", "Btnyingdashijian_in"};
const TInputRow Attitude{"LblAnZhuangZiShi_in", "EdtAnZhuangZiShi_in", nullptr};
const TInputRow Safety{"Lblanquanlv_in", "Edtanquanlv_in", nullptr};
const TInputRow Mass{"LblGongJianZhiLiang_in", "EdtGongJianZhiLiang_in", "Btngongjianzhiliang_in"};
const TInputRow Pump{"Lblzhenkongpengyali_in", "Edtzhenkongpengyali_in", "Btnzhenkongpengyali_in"};
const TInputRow Release{"Lblgongyingyali_in", "Edtgongyingyali_in", "Btngongyingyali_in"};
const TInputRow Vacuum{"Lblzhenkongyali_in", "Edtzhenkongyali_in", "Btnzhenkongyali_in"};
const TInputRow Method{"Lblxdxingshi_in", "Edtxdxingshi_in", nullptr};
const TInputRow Leakage{"Lblxilouliang_in", "Edtxilouliang_in", "Btnxilouliang_in"};
const TInputRow Length{"Lbltubechangdu_in", "Edttubechangdu_in", "Btntubechangdu_in"};
const TInputRow Volume{"LblTubeRongji_in", "EdtTubeRongji_in", "BtnTubeRongji_in"};
const TInputRow Conductance{"LblTubeYinSu_in", "EdtTubeYinSu_in", "BtnTubeYinSu_in"};
const TInputRow Throttle{"Lblkaidu_in", "Edtkaidu_in", "Btnkaidu_in"};

// The ten input rows of the report in each mode; a row without label stays empty.
const TInputRow* const SelectionInputs[10] = {&ResponseTime, &Attitude, &Safety, &Mass,    &Pump,
                                              &Release,      &Vacuum,   &Method, &Leakage, &Length};
const TInputRow* const CalculationInputs[10] = {
    &Mass, &Pump, &Release, &Leakage, &Length, &Volume, &Conductance, &Throttle, nullptr, nullptr};

} // namespace

TReportContent FillReport(const TResultPageSource& page, const TReportEntries& entries) {
    auto text = [&page](const QString& name) { return page.Text ? page.Text(name) : QString(); };
    auto label = [&text](const char* name) { return text(QLatin1String(name)) + ':'; };
    // A value with its unit; an empty value stays empty.
    auto value = [&text](const char* field, const char* button) {
        const QString shown = text(QLatin1String(field));
        if (!button || shown.isEmpty())
            return shown;
        return shown + ' ' + text(QLatin1String(button));
    };
    TReportContent r;
    r.Title = page.MainTitle;
    r.PrintTitle = entries.TitleCaption + " : " + entries.Title;
    r.Registrant = entries.RegistrantCaption + " : " + entries.Registrant;
    r.DateLine = entries.DateCaption + " : " + entries.Date.toString(QStringLiteral("yyyy-MM-dd"));
    r.ProductsHeading = text("LblSelectResult");
    r.DeviceColumn = text("LblSelectjiqi");
    r.ModelColumn = text("LblSelectmodel");
    r.CountColumn = text("LblSelectgeshu");
    for (size_t i = 0; i < r.Products.size(); ++i) {
        r.Products[i] = {text(QLatin1String(ResultProductRows[i][0])),
                         text(QLatin1String(ResultProductRows[i][1])),
                         text(QLatin1String(ResultProductRows[i][2]))};
    }
    r.ChartHeading = text("Lbltexing");
    r.Chart = page.Chart;
    r.ChartTitles = page.ChartTitles;
    r.CircuitHeading = text("Lblhuilutu");
    r.Circuit = page.Circuit;
    if (page.Shown && page.Shown("LblCircuitNote"))
        r.CircuitNote = text("LblCircuitNote");

    const bool pumpFlow = page.Shown && page.Shown("Lblbiyaozhenkongbengliuliang_out");
    r.Outputs[0] = {label("Lblxizhuoyingdashijian_out"),
                    value("Edtxizhuoyingdashijian_out", "Btnxizhuoyingdashijian_out")};
    r.Outputs[1] = {label("Lblanquanlv_out"), value("Edtanquanlv_out", nullptr)};
    r.Outputs[2] = {label("Lblpohuaiyingdashijian_out"),
                    value("Edtpohuaiyingdashijian_out", "Btnpohuaiyingdashijian_out")};
    r.Outputs[3] = {label("Lblzuidazhenkongyali_out"),
                    value("Edtzuidazhenkongyali_out", "Btnzuidazhenkongyali_out")};
    if (pumpFlow) {
        r.Outputs[4] = {
            label("Lblbiyaozhenkongbengliuliang_out"),
            value("Edtbiyaozhenkongbengliuliang_out", "Btnbiyaozhenkongbengliuliang_out")};
    } else {
        r.Outputs[4] = {label("LblBiaoZhunYaLI_out"),
                        value("EdtBiaoZhunYaLI_out", "BtnBiaoZhunYaLI_out")};
        r.Outputs[5] = {label("Lblkongqixiaofeiliang_out"),
                        value("Edtkongqixiaofeiliang_out", "Btnkongqixiaofeiliang_out")};
    }
    r.Outputs[6] = {label("Lblzhenkongyl_out"), value("CBzhenkongyl_out", "Btnzhenkongyl_out")};
    r.Evaluation = text("EdtCaclResultMsg").split('\n', Qt::SkipEmptyParts);
    r.InputsHeading = text("Lblrulizhi");
    const auto& rows = page.Mode == TOperateType::otCalc ? CalculationInputs : SelectionInputs;
    for (size_t i = 0; i < r.Inputs.size(); ++i) {
        if (rows[i])
            r.Inputs[i] = {label(rows[i]->Label), value(rows[i]->Field, rows[i]->Button)};
    }
    // An empty release pressure of a selection prints as one blank.
    if (page.Mode == TOperateType::otSelect && r.Inputs[5].Value.isEmpty())
        r.Inputs[5].Value = QStringLiteral(" ");
    r.CommentHeading = entries.CommentCaption + ':';
    r.Comment = entries.Comment.split('\n');
    r.Footer = QStringLiteral("QOV    Version: ") + VersionText;
    return r;
}
