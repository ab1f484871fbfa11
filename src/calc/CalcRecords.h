#pragma once

#include <QString>

// The circuit to calculate, in calculation units: vacuum as positive kPa
// magnitudes, supply pressures in MPa gauge, flows in dm³/min (ANR), areas in
// mm², volumes in dm³, times in s, masses in kg. Product references are the
// text form of the catalogue's ID; an empty text means "none of that kind".
struct TCalcInput {
    int System_Cat = 0;
    QString CircuitNum;
    QString PT_Series_ID, PT_ID, PT_Name;
    QString EJ_Series_ID, EJ_ID, EJ_Name;
    QString Tube_Series_ID, Tube_ID, Tube_Name;
    QString VA_Pohuai_Series_ID, VA_Pohuai_ID, VA_Pohuai_Name;
    QString VA_Gongying_Series_ID, VA_Gongying_ID, VA_Gongying_Name;
    QString VA_QieHuan_Series_ID, VA_QieHuan_ID, VA_QieHuan_Name;
    QString VA_Jieliu_Series_ID, VA_Jieliu_ID, VA_Jieliu_Name;
    double BiaoZhunGongyingYaLi = 0; // standard supply pressure, MPa
    double PoHuaiYaLi = 0;           // release supply pressure, MPa
    double ZhenKongPengYaLi = 0;     // vacuum pump level, kPa
    double zhenkongyali = 0;         // working vacuum, kPa; negative: automatic
    double TubeLength = 0;           // m
    double gongjianzhiliang = 0;     // workpiece mass, kg
    double gongjianxielouliang = 0;  // leakage at one pad, dm³/min
    double k = 0;                    // throttle opening, 1 = fully open
    double Se = 0;                   // effective area of the tubing, mm²
    double V = 0;                    // evacuated volume, dm³
    double n = 0;                    // number of pads
    int EJ_n = 0;                    // number of ejectors
};

// Results of the last calculation.
struct TCalcOutput {
    double zuidazhenkongyali = 0;         // maximum vacuum at the pads, kPa
    double kongqixiaofeiliang = 0;        // air consumption of one ejector, dm³/min
    double anquanlv = 0;                  // safety factor
    double xizhuoyingdashijian = 0;       // adsorption response time, s
    double pohuaiyingdashijian = 0;       // release response time, s; -1: not applicable
    double biyaozhenkongbengliuliang = 0; // required vacuum pump flow, dm³/min
};

// The program's one circuit and its last results.
extern TCalcInput CalcInput;
extern TCalcOutput CalcOutput;

// System category 1 to 4 of a circuit code ("1" ... "9b"); 0 for an unknown code.
int SystemCategoryOfCircuit(const QString& circuitNum);
