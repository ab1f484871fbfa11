#include "units/UnitManager.h"

#include "core/DMComm.h"

#include <QSet>

namespace {

const QString CategoriesStatement =
    QStringLiteral("select UnitCategoryId,SubUnitCategoryId,UnitName,MultiPlier,AddNum from "
                   "UnitCategory order by UnitCategoryId,SubUnitCategoryId");
const QString PresetParasStatement = QStringLiteral(
    "select A.ParaId,A.UnitCategoryID,A.SubUnitCategoryID,A.IsDefaultUnit,A.Avail_DecPoint,"
    "A.InputMin,A.InputMax,A.Confine,A.LanId,A.DefNum,B.SortNo,B.NumPopData from ParaInfo as "
    "A,CommonValue as B where ParaType=0 and A.ParaId=B.ParaId and "
    "A.UnitCategoryID=B.UnitCategoryID and A.SubUnitCategoryID=B.SubUnitCategoryID and "
    "A.LanId=B.LanId  and A.LanId=1033 order by "
    "A.ParaId,A.UnitCategoryID,A.SubUnitCategoryID,B.SortNo,B.NumPopData");
const QString PlainParasStatement = QStringLiteral(
    "select ParaId,UnitCategoryID,SubUnitCategoryID,IsDefaultUnit,Avail_DecPoint,InputMin,"
    "InputMax,LanId,DefNum, Confine from ParaInfo where ParaType=1 and LanId=1033 order by "
    "ParaId,UnitCategoryID,SubUnitCategoryID");
const QString SchemeStatement = QStringLiteral("Select * from UnitSchemeDetail");

constexpr int MaxUnitNameLength = 255;

// Groups parameter rows by their order: a new ParaId appends a parameter, a new
// unit number appends a unit to the parameter appended last.
class ParameterGrouper {
public:
    ParameterGrouper(const TUnitManager& units, std::vector<std::unique_ptr<TSinglePara>>& paras)
        : units_(units), paras_(paras) {}

    TSinglePop* Take(const TDataTable& row) {
        const int paraId = row.AsInteger("ParaId");
        if (!seenParas_.contains(paraId)) {
            seenParas_.insert(paraId);
            auto para = std::make_unique<TSinglePara>();
            para->ParaID = paraId;
            para->LanId = row.AsInteger("LanId");
            para->UnitCategoryId = row.AsInteger("UnitCategoryID");
            para->Category = units_.FindCategory(para->UnitCategoryId);
            paras_.push_back(std::move(para));
            seenUnits_.clear();
        }
        if (paras_.empty())
            return nullptr;
        TSinglePara& para = *paras_.back();
        const int unit = row.AsInteger("SubUnitCategoryID");
        if (!seenUnits_.contains(unit)) {
            seenUnits_.insert(unit);
            para.Pops.append(makePop(row, para));
        }
        return &para.Pops.last();
    }

private:
    TSinglePop makePop(const TDataTable& row, const TSinglePara& para) const {
        TSinglePop pop;
        pop.UnitCategoryId = para.UnitCategoryId;
        pop.SubUnitCategoryId = row.AsInteger("SubUnitCategoryID");
        pop.IsDefaultUnit = row.AsInteger("IsDefaultUnit");
        pop.Avail_DecPoint = row.AsInteger("Avail_DecPoint");
        pop.InputMin = row.AsFloat("InputMin");
        pop.InputMax = row.AsFloat("InputMax");
        pop.Confine = row.AsInteger("Confine");
        pop.DefNum = row.AsFloat("DefNum");
        pop.UnitDef = units_.FindUnit(row.AsInteger("UnitCategoryID"), pop.SubUnitCategoryId);
        pop.Category = para.Category;
        return pop;
    }

    const TUnitManager& units_;
    std::vector<std::unique_ptr<TSinglePara>>& paras_;
    QSet<int> seenParas_;
    QSet<int> seenUnits_;
};

} // namespace

TUnitManager::TUnitManager(TDMComm& db, int languageId) : db_(&db), languageId_(languageId) {
    LoadUnitCategories();
    LoadParameters();
    LoadSchemeDetail();
}

TUnitManager::TUnitManager(int languageId) : languageId_(languageId) {}

void TUnitManager::LoadUnitCategories() {
    TDataTable rows;
    if (db_)
        db_->GetXMLDataPacket(CategoriesStatement, rows);
    SetCategories(rows);
}

void TUnitManager::SetCategories(TDataTable& rows) {
    categories_.clear();
    std::shared_ptr<TSingleUnit> current;
    for (rows.First(); !rows.Eof(); rows.Next()) {
        const int category = rows.AsInteger("UnitCategoryId");
        if (!current || current->UnitCategoryId != category) {
            current = std::make_shared<TSingleUnit>();
            current->UnitCategoryId = category;
            categories_.push_back(current);
        }
        current->Units.append({rows.AsInteger("SubUnitCategoryId"),
                               rows.AsString("UnitName").left(MaxUnitNameLength),
                               rows.AsFloat("MultiPlier"), rows.AsFloat("AddNum")});
    }
}

void TUnitManager::LoadParameters() {
    TDataTable withPresets;
    TDataTable withoutPresets;
    if (db_) {
        db_->GetXMLDataPacket(PresetParasStatement, withPresets);
        db_->GetXMLDataPacket(PlainParasStatement, withoutPresets);
    }
    BuildParameters(withPresets, withoutPresets);
}

void TUnitManager::BuildParameters(TDataTable& withPresets, TDataTable& withoutPresets) {
    std::vector<std::unique_ptr<TSinglePara>> previous = std::move(paras_);
    paras_.clear();
    ParameterGrouper grouper(*this, paras_);
    for (withPresets.First(); !withPresets.Eof(); withPresets.Next()) {
        if (TSinglePop* pop = grouper.Take(withPresets))
            pop->NumPopData.append(withPresets.AsFloat("NumPopData"));
    }
    for (withoutPresets.First(); !withoutPresets.Eof(); withoutPresets.Next())
        grouper.Take(withoutPresets);
    keepRecordsOf(previous);
}

// A parameter that is still there keeps its record, now holding the new rows,
// so that buttons bound to it follow the reload; a parameter that is gone keeps
// its old record alive until the manager ends.
void TUnitManager::keepRecordsOf(std::vector<std::unique_ptr<TSinglePara>>& previous) {
    for (auto& para : paras_) {
        for (auto& old : previous) {
            if (old && old->ParaID == para->ParaID) {
                *old = std::move(*para);
                para = std::move(old);
                break;
            }
        }
    }
    for (auto& old : previous) {
        if (old)
            retired_.push_back(std::move(old));
    }
}

void TUnitManager::LoadSchemeDetail() {
    schemeDetail_.ClearFilter();
    TDataTable rows;
    if (db_)
        db_->GetDataPacket(SchemeStatement, rows);
    schemeDetail_ = rows;
}

TSinglePara* TUnitManager::FindParameter(int paraId) const {
    for (const auto& para : paras_) {
        if (para->ParaID == paraId)
            return para.get();
    }
    return nullptr;
}

std::shared_ptr<const TSingleUnit> TUnitManager::FindCategory(int unitCategoryId) const {
    for (const auto& category : categories_) {
        if (category->UnitCategoryId == unitCategoryId)
            return category;
    }
    return nullptr;
}

std::optional<TUnitDef> TUnitManager::FindUnit(int unitCategoryId, int subUnitCategoryId) const {
    std::optional<TUnitDef> found;
    for (const auto& category : categories_) {
        if (category->UnitCategoryId != unitCategoryId)
            continue;
        for (const TUnitDef& unit : category->Units) {
            if (unit.SubUnitCategoryId == subUnitCategoryId)
                found = unit;
        }
    }
    return found;
}

bool TUnitManager::GetSchemeUnit(int schemeId, int paraId, int& unitCategoryId,
                                 int& subUnitCategoryId) {
    if (!db_ || !db_->OpenSQL(QStringLiteral("SELECT * FROM ModelDetail WHERE ParaID=") +
                              QString::number(paraId)))
        return false;
    const bool found = !db_->QComm.IsEmpty();
    const QVariant modelId = found ? db_->QComm.Value("ModelID") : QVariant();
    const QVariant itemId = found ? db_->QComm.Value("ItemID") : QVariant();
    db_->QComm.Close();
    if (!found)
        return false;
    schemeDetail_.FilterEquals({{"SchemeID", schemeId}, {"ItemID", itemId}, {"ModelID", modelId}});
    if (!schemeDetail_.IsEmpty()) {
        unitCategoryId = schemeDetail_.AsInteger("UnitCategoryID");
        subUnitCategoryId = schemeDetail_.AsInteger("SubUnitCategoryID");
    }
    schemeDetail_.ClearFilter();
    return true;
}
