#include <algorithm>
#include <system_error>

#include "core/app/regulars_service.h"
#include "core/stakes/entry_checks.h"
#include "core/stakes/regulars_file.h"
#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/safe_file.h"

namespace quorvel {

namespace {

constexpr const char* ReadError = "Ошибка чтения файла регулярных ставок!\r\r%s";
constexpr const char* WriteError = "Ошибка записи в файл регулярных ставок!\r\r%s";

std::filesystem::path BackupPath(const std::filesystem::path& path) {
    std::filesystem::path backup = path;
    backup += ".bak";
    return backup;
}

}  // namespace

void RegularsService::RefreshRegulars() {
    p_.Listeners.TellAll([&](WorkspaceListener& listener) { listener.RegularsRefreshed(); });
}

void RegularsService::LoadRegulars() {
    const std::filesystem::path path = p_.Dir.File(RegularsFileName);
    regulars_.clear();
    regularsLocked_ = false;
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        BusyScope busy(p_.Busy, p_.Host, "Загрузка файла регулярных ставок...");
        try {
            TRegularsFileContent content = LoadRegularsFile(path);
            if (content.Problem) KeepRegularsAside(path, *content.Problem);
            regulars_ = std::move(content.Regulars);
        } catch (const std::exception& e) {
            KeepRegularsAside(path, e.what());
        }
    }
    RefreshRegulars();
}

void RegularsService::KeepRegularsAside(const std::filesystem::path& path, const std::string& problem) {
    // The next save writes only what could be read, so the old content goes beside the file first.
    const std::filesystem::path backup = BackupPath(path);
    std::string kept;
    try {
        WriteFileSafely(backup, ReadFileBytes(path));
        kept = Format("\r\rПрежнее содержимое файла сохранено в \"%s\".", {PathText(backup)});
    } catch (const std::exception&) {
        std::error_code ec;
        std::filesystem::rename(path, backup, ec);
        if (ec) {
            regularsLocked_ = true;
            kept = "\r\rФайл оставлен без изменений.";
        } else {
            kept = Format("\r\rФайл переименован в \"%s\".", {PathText(backup)});
        }
    }
    p_.Host.ShowError(ActionError(ReadError, problem + kept));
}

bool RegularsService::SaveRegulars() {
    BusyScope busy(p_.Busy, p_.Host, "Сохранение файла регулярных ставок...");
    try {
        if (regularsLocked_)
            throw Error(Format("Файл \"%s\" не был прочитан.", {PathText(p_.Dir.File(RegularsFileName))}));
        SaveRegularsFile(p_.Dir.File(RegularsFileName), regulars_);
        return true;
    } catch (const std::exception& e) {
        p_.Host.ShowError(ActionError(WriteError, e.what()));
        return false;
    }
}

void RegularsService::ClearRegulars() {
    regulars_.clear();
    regularsLocked_ = false;
    RefreshRegulars();
}

int RegularsService::AddRegulars(const TRegularDraft& draft, const std::vector<int>& chosenRows) {
    if (const EntryProblem problem = CheckRegularEntry(std::nullopt, draft.Comment, regulars_);
        problem != EntryProblem::None) {
        p_.Host.ShowError(EntryProblemText(problem));
        return 0;
    }
    std::vector<int> rows = chosenRows;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::vector<std::pair<int, TComb>> chosen;
    for (int row : rows) {
        if (row >= 0 && row < p_.Combs.CombCount()) chosen.emplace_back(row, p_.Combs.CombAt(row));
    }
    std::vector<TRegular> added;
    {
        BusyScope busy(p_.Busy, p_.Host, "Создание регулярных ставок...");
        added = RegularsFromDraft(draft, chosen);
        regulars_.insert(regulars_.end(), added.begin(), added.end());
    }
    SaveRegulars();
    RefreshRegulars();
    return static_cast<int>(added.size());
}

bool RegularsService::DeleteRegulars(const std::vector<int>& indices) {
    std::vector<int> sorted = indices;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    if (sorted.empty() || !ConfirmDelete(p_.Host, static_cast<int>(sorted.size()))) return false;
    {
        BusyScope busy(p_.Busy, p_.Host, "Удаление регулярных ставок...");
        // All or nothing: a stale index must not leave half of the selection deleted.
        for (int index : sorted) {
            if (index < 0 || index >= static_cast<int>(regulars_.size())) {
                p_.Host.ShowError(Format("Запись со индексом %d в файле данных не найдена!", {index}));
                return false;
            }
        }
        for (auto it = sorted.rbegin(); it != sorted.rend(); ++it)
            regulars_.erase(regulars_.begin() + *it);
    }
    SaveRegulars();
    RefreshRegulars();
    return true;
}

TStakeRecord RegularsService::StakeOfRegular(const TRegular& regular, int offset) const {
    Money profit = 0;
    try {
        profit = p_.Stats.StakeResult(PositionCount, -1);
    } catch (const std::exception&) {
        // A cost too large for the money type shows when the stake is made.
    }
    return RegularStake(regular, p_.Archive.NextDrawNumber(offset),
                        static_cast<int>(p_.Combs.Current().size()), profit);
}

std::optional<RegularsService::RegularStakePlan> RegularsService::PrepareRegularStake(int index) const {
    if (index < 0 || index >= static_cast<int>(regulars_.size())) return std::nullopt;
    const int offset = p_.Archive.Offset();
    RegularStakePlan plan;
    plan.Index = index;
    plan.Advanced = regulars_[static_cast<size_t>(index)];
    AdvanceRegular(plan.Advanced, p_.Archive.ValuesAtRow(offset));
    plan.Stake = StakeOfRegular(plan.Advanced, offset);
    return plan;
}

bool RegularsService::CommitRegularStake(const RegularStakePlan& plan, const TStakeRecord& stake, int draws) {
    if (plan.Index < 0 || plan.Index >= static_cast<int>(regulars_.size())) {
        p_.Host.ShowError(Format("Запись со индексом %d в файле данных не найдена!", {plan.Index}));
        return false;
    }
    regulars_[static_cast<size_t>(plan.Index)] = plan.Advanced;
    SaveRegulars();
    RefreshRegulars();
    return p_.Stakes.AddStake(stake, draws);
}

bool RegularsService::TestRegulars(const std::vector<int>& indices, int tests) {
    std::vector<int> chosen;
    for (int index : indices) {
        if (index >= 0 && index < static_cast<int>(regulars_.size()) &&
            std::find(chosen.begin(), chosen.end(), index) == chosen.end())
            chosen.push_back(index);
    }
    std::sort(chosen.begin(), chosen.end());
    if (chosen.empty() || tests < 1 || tests > p_.Archive.Count() - 1) return false;
    const int remembered = p_.Archive.Offset();
    bool appended = true;
    {
        BusyScope busy(p_.Busy, p_.Host, "Создание ставок по регулярным табличным ставкам...");
        for (int k = tests; k >= 1 && appended; --k) {
            p_.SetOffset(k);
            for (int index : chosen) {
                // The regular moves on only with its stake written.
                TRegular advanced = regulars_[static_cast<size_t>(index)];
                AdvanceRegular(advanced, p_.Archive.ValuesAtRow(k));
                try {
                    p_.Stakes.File().Append(StakeOfRegular(advanced, k));
                } catch (const std::exception& e) {
                    p_.Host.ShowError(e.what());
                    appended = false;
                    break;
                }
                regulars_[static_cast<size_t>(index)] = advanced;
                p_.Stakes.Refresh(p_.Options.StakesScrollEnabled);
            }
        }
    }
    SaveRegulars();
    if (appended) {
        p_.Stakes.CheckStakes();
        p_.Stakes.Refresh(true);
    }
    p_.SetOffset(remembered);
    RefreshRegulars();
    return appended;
}

}  // namespace quorvel
