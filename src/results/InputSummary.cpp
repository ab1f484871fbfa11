#include "results/InputSummary.h"

QList<TSummarySource> InputSummarySources(const TSummaryConditions& c) {
    const bool select = c.Mode == TOperateType::otSelect;
    const bool byLength = select || c.TubeByLength;
    return {
        {"Edtyingdashijian_in", "Btnyingdashijian_in", "Cbyingdashijian", "Btnyingdashijian", true},
        {"EdtGongJianZhiLiang_in", "Btngongjianzhiliang_in", "Cbgongjianzhiliang",
         "Btngongjianzhiliang", true},
        // The pressures count with a vacuum pump only.
        {"Edtgongyingyali_in", "Btngongyingyali_in", "CbGongYingYaLi", "BtnGongYingYaLi", c.Pump},
        {"Edtzhenkongpengyali_in", "Btnzhenkongpengyali_in", "CbZhenKongPengYaLi",
         "BtnZhenKongPengYaLi", c.Pump},
        {"Edttubechangdu_in", "Btntubechangdu_in", select ? "CbTubeLength" : "CbTubeLength_calc",
         select ? "BtnTubeLength" : "btnTubeLength_calc", byLength},
        {"Edtxilouliang_in", "Btnxilouliang_in",
         select ? "Cbgongjianxielouliang" : "Cbgongjianxielouliang_calc",
         select ? "Btngongjianxielouliang" : "btngongjianxielouliang_calc", true},
        {"EdtTubeRongji_in", "BtnTubeRongji_in", "CbTubeRongji_calc", "btnTubeRongji_calc",
         !byLength},
        {"EdtTubeYinSu_in", "BtnTubeYinSu_in", "CbTubeYinSu_calc", "btnTubeYinSu_calc", !byLength},
        {"Edtzhenkongyali_in", "Btnzhenkongyali_in", "CbZhenKongYaLi", "BtnZhenKongYaLi",
         select && c.Automatic},
        {"Edtkaidu_in", "Btnkaidu_in", "cbjieliuVAKaidu", "btnjieliuVAKaidu", c.Throttle},
    };
}
