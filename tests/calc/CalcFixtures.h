#pragma once

#include "MemoryProductLookup.h"
#include "calc/CalcRecords.h"

#include <QString>

// Product rows and circuits shared by the calculation tests.

inline TEjectorRow ejectorRow(double maxPressure, double maxFlow, double air, int n, double p1,
                              double q1, double supC, double hakaiC, double diu) {
    TEjectorRow row;
    row.MaxPressure = maxPressure;
    row.MaxFlow = maxFlow;
    row.AirConsumption = air;
    row.N = n;
    row.P1 = p1;
    row.Q1 = q1;
    row.SupC = supC;
    row.HakaiC = hakaiC;
    row.DiuDiameter = diu;
    return row;
}

inline TValveRow valveRow(double c1to2, double c2to3, int port, int use) {
    TValveRow row;
    row.C1to2 = c1to2;
    row.C2to3 = c2to3;
    row.Port = port;
    row.Use = use;
    return row;
}

// The products of these tests, each with figures of its own so that a value taken
// from the wrong product shows. Maximum vacuum and knee vacuum are stored negative,
// as the catalogue has them.
//   11, 12  ejectors of category 1: straight line; knee at (21, 66)
//   19      a large ejector of category 1 (400 dm³/min)
//   21, 22  ejectors of category 2: straight line; knee at (25, 70)
//   31, 32  vacuum units (Sup_C 0.9 and 0.5)
//   41      release valve V2;  45 a release valve with Use = 2
//   42      switching valve V3, port 1;  43 port 2;  44 Use = 2
//   51      release throttle;  61 pad of 490 mm²
inline TMemoryProductLookup catalogue() {
    TMemoryProductLookup lookup;
    lookup.Ejectors["11"] = ejectorRow(-90, 40, 65, 1, 0, 0, 0.05, 0.6, 0.25);
    lookup.Ejectors["12"] = ejectorRow(-88, 60, 95, 2, -66, 21, 0.05, 0.8, 0.35);
    lookup.Ejectors["19"] = ejectorRow(-90, 400, 300, 1, 0, 0, 0, 0.6, 0.25);
    lookup.Ejectors["21"] = ejectorRow(-86, 50, 80, 1, 0, 0, 0.05, 0.45, 0.3);
    lookup.Ejectors["22"] = ejectorRow(-92, 70, 120, 2, -70, 25, 0.05, 0.45, 0.4);
    lookup.Ejectors["31"] = ejectorRow(-95, 100, 33, 1, 0, 0, 0.9, 0.7, 0.5);
    lookup.Ejectors["32"] = ejectorRow(-95, 100, 33, 1, 0, 0, 0.5, 0.7, 0.5);
    lookup.Valves["41"] = valveRow(1.2, 0.9, 1, 1);
    lookup.Valves["42"] = valveRow(1.5, 1.1, 1, 1);
    lookup.Valves["43"] = valveRow(1.4, 1.0, 2, 1);
    lookup.Valves["44"] = valveRow(1.3, 0.95, 1, 2);
    lookup.Valves["45"] = valveRow(1.25, 0.85, 1, 2);
    lookup.Throttles["51"].C1to2 = 0.8;
    lookup.PadAreas["61"] = 490;
    return lookup;
}

// A circuit with every product reference filled, as the wizard may leave them;
// a circuit must use only the kinds its code calls for. Tubing area 6 mm²
// (C3 = 1.2 without valves), 0.12 dm³, four pads leaking 2 dm³/min each,
// throttle 80 % open, 2 kg, automatic working vacuum.
inline TCalcInput circuitInput(const QString& code, const QString& ejector = "11",
                               const QString& switchingValve = "42") {
    TCalcInput input;
    input.CircuitNum = code;
    input.System_Cat = SystemCategoryOfCircuit(code);
    input.PT_ID = "61";
    input.EJ_ID = ejector;
    input.EJ_Name = "EVX-" + ejector;
    input.VA_Pohuai_ID = "41";
    input.VA_QieHuan_ID = switchingValve;
    input.VA_Jieliu_ID = "51";
    input.BiaoZhunGongyingYaLi = 0.5;
    input.PoHuaiYaLi = 0.4;
    input.ZhenKongPengYaLi = 85;
    input.zhenkongyali = -1;
    input.TubeLength = 1;
    input.gongjianzhiliang = 2;
    input.gongjianxielouliang = 2;
    input.k = 0.8;
    input.Se = 6;
    input.V = 0.12;
    input.n = 4;
    input.EJ_n = 1;
    return input;
}

// A circuit that refers to products drawn at random by a test: ejector 1, release
// valve 2, switching valve 3, throttle 4 and pad 5. The test draws the rest.
inline TCalcInput circuitOfDrawnProducts(const QString& code) {
    TCalcInput input;
    input.CircuitNum = code;
    input.System_Cat = SystemCategoryOfCircuit(code);
    input.EJ_ID = "1";
    input.VA_Pohuai_ID = "2";
    input.VA_QieHuan_ID = "3";
    input.VA_Jieliu_ID = "4";
    input.PT_ID = "5";
    return input;
}
