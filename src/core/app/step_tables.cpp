#include "core/app/stats_service.h"

namespace quorvel {

// Variants that share method, window and offset share the table: it is computed once per pass
// and weights, and sorted once for each sort column the steps ask for. A table is always sorted
// from the order it was computed in, so what a step sees does not depend on which steps came
// before it.
const StatsService::StepTable& StatsService::CachedStepTable() {
    const DrawArchive& archive = p_.Draws.Archive();
    const std::array<int, 4> signature{archive.Count(), archive.Offset(), p_.Options.DrawsStatLen,
                                       table_.Entry};
    // Other weights give other tables, and a test that moved to another offset no longer needs
    // the tables of the one it left.
    const bool otherWeights = !stepTableWeights_ || !(*stepTableWeights_ == list_.Config.Weights);
    const bool otherOffset = !stepTables_.empty() && (stepTables_.begin()->first[0] != signature[0] ||
                                                      stepTables_.begin()->first[1] != signature[1]);
    if (otherWeights || otherOffset) {
        stepTables_.clear();
        sortedStepTables_.clear();
        stepTableWeights_ = list_.Config.Weights;
    }
    const StepTableKey key{signature[0], signature[1], signature[2], signature[3], table_.SortColumn};
    if (const auto known = sortedStepTables_.find(key); known != sortedStepTables_.end()) {
        shownStepTable_ = known->second;
        return *known->second;
    }
    constexpr size_t KeptTables = 64;
    auto computed = stepTables_.find(signature);
    if (computed == stepTables_.end()) {
        if (stepTables_.size() >= KeptTables) stepTables_.clear();
        computed = stepTables_.emplace(signature, ComputeTableOf(table_.Entry)).first;
    }
    auto table = std::make_shared<StepTable>();
    table->Signature = signature;
    table->Table = computed->second;
    SortStatRows(table->Table.Rows, table_.SortColumn, table_.Descending);
    const auto stat = list_.Items[static_cast<size_t>(table_.Entry)].CreateStat(list_);
    table->Rows.reserve(table->Table.Rows.size());
    for (const TStatRow& row : table->Table.Rows) {
        TStatValues values = ReadRowTexts(&row);
        values[CellValueKey] = std::to_string(stat->ParseListedValue(values[CellValueText]));
        table->Rows.push_back(std::move(values));
    }
    table->Source = list_.ListText(table_.Entry, true);
    if (sortedStepTables_.size() >= KeptTables) sortedStepTables_.clear();
    sortedStepTables_.emplace(key, table);
    shownStepTable_ = table;
    return *table;
}

void StatsService::ShowLastStepTable() {
    if (!shownStepTable_) return;
    table_.Table = shownStepTable_->Table;
    const std::array<int, 4>& shown = shownStepTable_->Signature;
    table_.Signature = {shown[0], shown[1], shown[2], shown[3], p_.Draws.Archive().Revision()};
    shownStepTable_.reset();
}

void StatsService::ForgetStepTables() {
    stepTableWeights_.reset();
    stepTables_.clear();
    sortedStepTables_.clear();
    shownStepTable_.reset();
}

const StatsService::StepTable& StatsService::UseStepTable(const TFilterPart& part) {
    table_.Entry = part.Method;
    table_.SortColumn = part.SortColumn;
    table_.Descending = true;
    p_.Options.DrawsStatLen = part.DrawsCount;
    list_.ApplyWeights(part.WeightOverride, part.Weights);
    return CachedStepTable();
}

}  // namespace quorvel
