#include "calc/CalcRecords.h"

#include "calc/CircuitTable.h"

TCalcInput CalcInput;
TCalcOutput CalcOutput;

int SystemCategoryOfCircuit(const QString& circuitNum) {
    const TCircuit* circuit = FindCircuit(circuitNum);
    return circuit ? circuit->SystemCat : 0;
}
