#include <algorithm>

#include "core/app/workspace.h"
#include "core/scenario/scenario_log_file.h"
#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/safe_file.h"
#include "core/util/version.h"

namespace quorvel {

bool Workspace::ScriptStopRequested() {
    if (!scriptStop_ && host_.StopRequested()) scriptStop_ = true;
    return scriptStop_;
}

std::unique_ptr<Workspace> Workspace::PassCopyOf(const Workspace& main, UiHost& host) {
    auto copy = std::make_unique<Workspace>(main.Dir(), host, std::vector<std::string>{}, Mode::CommandLine);
    copy->CopyRunStateFrom(main);
    return copy;
}

void Workspace::CopyRunStateFrom(const Workspace& other) {
    archive_.Assign(other.archive_.Draws());
    archive_.SetOffset(other.archive_.Offset());
    stats_ = other.stats_;
    stats_.SetDraws(&archive_.Draws());
    options_ = other.options_;
    combs_.List() = other.combs_.List();
    script_.CopyScenarioFrom(other.script_);
    statTable_ = other.statTable_;
    systems_.CopyFolderFrom(other.systems_);
    ForgetStepTable();
}

Workspace::PassEndState Workspace::CapturePassEnd() {
    ShowLastStepTable();
    return {combs_.List(), statTable_, options_.DrawsStatLen};
}

void Workspace::AdoptPassEnd(PassEndState state) {
    combs_.List() = std::move(state.Combs);
    statTable_ = std::move(state.StatTable);
    options_.DrawsStatLen = state.DrawsStatLen;
    combs_.Refresh();
}

// Variants that share method, window and offset share the table: it is computed once per pass
// and weights, and sorted once for each sort column the steps ask for. A table is always sorted
// from the order it was computed in, so what a step sees does not depend on which steps came
// before it.
const Workspace::StepTable& Workspace::CachedStepTable() {
    const std::array<int, 4> signature{archive_.Count(), archive_.Offset(), options_.DrawsStatLen,
                                       statTable_.Entry};
    // Other weights give other tables, and a test that moved to another offset no longer needs
    // the tables of the one it left.
    const bool otherWeights = !stepTableWeights_ || !(*stepTableWeights_ == stats_.Config.Weights);
    const bool otherOffset = !stepTables_.empty() && (stepTables_.begin()->first[0] != signature[0] ||
                                                      stepTables_.begin()->first[1] != signature[1]);
    if (otherWeights || otherOffset) {
        stepTables_.clear();
        sortedStepTables_.clear();
        stepTableWeights_ = stats_.Config.Weights;
    }
    const StepTableKey key{signature[0], signature[1], signature[2], signature[3], statTable_.SortColumn};
    if (const auto known = sortedStepTables_.find(key); known != sortedStepTables_.end()) {
        shownStepTable_ = known->second;
        return *known->second;
    }
    constexpr size_t KeptTables = 64;
    auto computed = stepTables_.find(signature);
    if (computed == stepTables_.end()) {
        if (stepTables_.size() >= KeptTables) stepTables_.clear();
        computed = stepTables_.emplace(signature, ComputeTableOf(statTable_.Entry)).first;
    }
    auto table = std::make_shared<StepTable>();
    table->Signature = signature;
    table->Table = computed->second;
    SortStatRows(table->Table.Rows, statTable_.SortColumn, statTable_.Descending);
    const auto stat = stats_.Items[static_cast<size_t>(statTable_.Entry)].CreateStat(stats_);
    table->Rows.reserve(table->Table.Rows.size());
    for (const TStatRow& row : table->Table.Rows) {
        TStatValues values = ReadRowTexts(&row);
        values[CellValueKey] = std::to_string(stat->ParseListedValue(values[CellValueText]));
        table->Rows.push_back(std::move(values));
    }
    table->Source = stats_.ListText(statTable_.Entry, true);
    if (sortedStepTables_.size() >= KeptTables) sortedStepTables_.clear();
    sortedStepTables_.emplace(key, table);
    shownStepTable_ = table;
    return *table;
}

void Workspace::ShowLastStepTable() {
    if (!shownStepTable_) return;
    statTable_.Table = shownStepTable_->Table;
    statTable_.Signature = shownStepTable_->Signature;
    shownStepTable_.reset();
}

const Workspace::StepTable& Workspace::UseStepTable(const TFilterPart& part) {
    statTable_.Entry = part.Method;
    statTable_.SortColumn = part.SortColumn;
    statTable_.Descending = true;
    options_.DrawsStatLen = part.DrawsCount;
    stats_.ApplyWeights(part.WeightOverride, part.Weights);
    return CachedStepTable();
}

}  // namespace quorvel
