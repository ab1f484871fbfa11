#include "calc/CalcRecords.h"

#include <QStringList>

TCalcInput CalcInput;
TCalcOutput CalcOutput;

int SystemCategoryOfCircuit(const QString& circuitNum) {
    static const QStringList categories[] = {
        {"1", "2"}, {"3", "3b", "4", "4b", "5", "9", "9b"}, {"6"}, {"7", "7b", "8", "8b"}};
    for (int i = 0; i < 4; ++i) {
        if (categories[i].contains(circuitNum))
            return i + 1;
    }
    return 0;
}
