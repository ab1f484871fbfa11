#pragma once

#include "core/Globals.h"

#include <QList>

// Where each value of the result page's input summary comes from: the summary's
// field and unit button, and the wizard's box and value button that hold the value
// as the user entered it. A row that does not count for the run shows no value.
struct TSummarySource {
    const char* Field;
    const char* Button;
    const char* Box;
    const char* Source;
    bool Shown;
};

// What decides which rows count: a vacuum pump (its pressures), tubing given by
// length or by volume, the automatic pad method (the required vacuum) and a
// throttle opening the circuit uses.
struct TSummaryConditions {
    TOperateType Mode = TOperateType::otSelect;
    bool Pump = false;
    bool TubeByLength = true;
    bool Automatic = true;
    bool Throttle = false;
};

// The summary's value rows in the page's order.
QList<TSummarySource> InputSummarySources(const TSummaryConditions& conditions);
