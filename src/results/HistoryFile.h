#pragma once

#include "calc/CalcRecords.h"
#include "core/Globals.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

// The part of a history file (.SEL, .CAL) that a calculation needs: the circuit
// record, the tubing flow the wizard computed and the mode the run was saved in.
struct THistoryCalc {
    TCalcInput Input;
    double TubeQMax = 0;
    TOperateType OperateType = TOperateType::otSelect;
    int Attitude = 0; // lifting attitude of the run: 0 horizontal, 1 vertical
};

enum class THistoryProblem {
    None,
    Unreadable, // missing, a folder, too large or not readable
    NotHistory, // SoftName is missing or not "ZAVK1"
    MissingKey, // a key the calculation needs is missing or empty
    BadNumber,  // a number (or integer count) that does not parse
    BadId,      // a product ID that is not a plain integer
    BadValue,   // an ejector filter of another form than the circuits use
};

struct THistoryError {
    THistoryProblem Problem = THistoryProblem::None;
    QString File;
    QString Key;  // the key at fault; empty when the file as a whole is
    QString Text; // the whole message, naming the file and the key
};

// A product a circuit record names: the key it came from, its catalogue table, its ID.
struct THistoryProduct {
    QString Key;
    QString Table;
    QString Id;
};

// True when path is a readable file whose key SoftName of section "History" is
// exactly "ZAVK1": a history file of this program.
bool IsHistoryFile(const QString& path);

// Reads the keys of section "History" of the file at path the way the program
// reads history files back: key names in any letter case, the first occurrence
// counts, values trimmed, "." or "," as decimal separator. Only what a
// calculation needs is read; the state of the wizard's controls is not.
bool ReadHistoryCalc(const QString& path, THistoryCalc& calc, THistoryError& error);
// The same on the file's bytes; fileName only names the file in messages.
bool ParseHistoryCalc(const QByteArray& content, const QString& fileName, THistoryCalc& calc,
                      THistoryError& error);

// A whole run as a history file keeps it, for reopening it in the wizard.
struct THistoryRun {
    THistoryCalc Calc; // the record, Tube_QMax and the mode
    QString EJ_Type, EJ_Valve_V2;
    double VA_Gongying_BiJiaoVaule = 0, VA_Pohuai_BiJiaoVaule = 0, VA_Jieliu_BiJiaoVaule = 0;
    // Every key of the section in lower case with its trimmed value (the first
    // occurrence counts); numbers among them are known to read.
    QHash<QString, QString> Values;
    QString value(const QString& key) const { return Values.value(key.toLower()); }
    bool has(const QString& key) const { return Values.contains(key.toLower()); }
};
// Reads the run and checks everything before anything is restored: the record as
// ReadHistoryCalc does, the ejector filters as one of the forms the circuits use,
// and every number of the controls; the first problem is named in error.
bool ReadHistoryRun(const QString& path, THistoryRun& run, THistoryError& error);
// The fields of the record by the name the file gives them (without "CalcInput."),
// in the file's order, each as an int, a double or a QString.
QList<std::pair<QString, QVariant>> CalcInputFields(const TCalcInput& input);

// A number as history files write it, "." or "," as decimal separator.
std::optional<double> HistoryNumber(const QString& text);

// Keys of the product IDs a circuit cannot do without: the pad always, the
// ejector or vacuum unit in categories 1 to 3, the valves and the throttle by
// the circuit code.
QStringList RequiredProductKeys(const QString& circuitNum, int systemCat);

// Every product the record names (non-empty ID), in the order of the file.
QList<THistoryProduct> NamedProducts(const TCalcInput& input);
