#pragma once

#include "core/DataTable.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class TDMComm;

// One unit of a category: base value = x * MultiPlier - AddNum.
struct TUnitDef {
    int SubUnitCategoryId = 0;
    QString UnitName; // the catalogue's name, at most 255 characters; never shown
    double MultiPlier = 1;
    double AddNum = 0;
};

// One unit category with its units in ascending unit number.
struct TSingleUnit {
    int UnitCategoryId = 0;
    QList<TUnitDef> Units;
    int Count() const { return int(Units.size()); }
};

// Kinds of input bounds: which of InputMin and InputMax are admissible.
enum TConfine { cfOpen = 0, cfLowerClosed = 1, cfUpperClosed = 2, cfClosed = 3 };

// One unit of one parameter: decimals, bounds, default and preset values, all in
// this unit. UnitDef is empty when the catalogue lacks the unit; such a unit
// converts as identity.
struct TSinglePop {
    int UnitCategoryId = 0;
    int SubUnitCategoryId = 0;
    int IsDefaultUnit = 0;
    int Avail_DecPoint = 0;
    double InputMin = 0;
    double InputMax = 0;
    int Confine = cfClosed;
    double DefNum = 0;
    QList<double> NumPopData;
    std::optional<TUnitDef> UnitDef;
    std::shared_ptr<const TSingleUnit> Category;
    int PresetCount() const { return int(NumPopData.size()); }
};

// One parameter; the position of a unit in Pops is its unit index.
struct TSinglePara {
    int LanId = 0;
    int ParaID = 0;
    int UnitCategoryId = 0;
    std::shared_ptr<const TSingleUnit> Category;
    QList<TSinglePop> Pops;
    int Count() const { return int(Pops.size()); }
    const TSinglePop* Pop(int index) const {
        return index >= 0 && index < Pops.size() ? &Pops.at(index) : nullptr;
    }
    // The index of the default unit, the one values are calculated in; 0 when none
    // is marked.
    int DefaultIndex() const {
        for (int index = 0; index < Count(); ++index) {
            if (Pops.at(index).IsDefaultUnit == 1)
                return index;
        }
        return 0;
    }
};

// The parameters, their units, presets and the unit schemes, read from the
// catalogue. Without a connection every table stays empty and every lookup
// answers nothing.
class TUnitManager {
public:
    TUnitManager(TDMComm& db, int languageId);
    // An empty manager, for a program started without a catalogue.
    explicit TUnitManager(int languageId);
    int LanguageId() const { return languageId_; }

    void LoadUnitCategories();
    // Replaces the parameter table. Records handed out before stay valid: a
    // parameter read again keeps its record with the new rows in it, one that is
    // gone keeps its old record until the manager ends.
    void LoadParameters();
    void LoadSchemeDetail();

    TSinglePara* FindParameter(int paraId) const;
    std::shared_ptr<const TSingleUnit> FindCategory(int unitCategoryId) const;
    std::optional<TUnitDef> FindUnit(int unitCategoryId, int subUnitCategoryId) const;
    // The unit a scheme selects for a parameter; the pair is left untouched when
    // the scheme names none. False when the parameter is in no module.
    bool GetSchemeUnit(int schemeId, int paraId, int& unitCategoryId, int& subUnitCategoryId);

    const std::vector<std::shared_ptr<const TSingleUnit>>& Categories() const {
        return categories_;
    }
    const std::vector<std::unique_ptr<TSinglePara>>& Paras() const { return paras_; }
    const TDataTable& SchemeDetail() const { return schemeDetail_; }

    // Builds the parameter table from the rows of the two parameter statements
    // (with presets, then without), grouped by their order.
    void BuildParameters(TDataTable& withPresets, TDataTable& withoutPresets);
    void SetCategories(TDataTable& rows);

private:
    void keepRecordsOf(std::vector<std::unique_ptr<TSinglePara>>& previous);

    TDMComm* db_ = nullptr;
    int languageId_;
    std::vector<std::shared_ptr<const TSingleUnit>> categories_;
    std::vector<std::unique_ptr<TSinglePara>> paras_;
    std::vector<std::unique_ptr<TSinglePara>> retired_;
    TDataTable schemeDetail_;
};
