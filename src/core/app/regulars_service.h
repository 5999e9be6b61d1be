#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "core/app/stakes_service.h"
#include "core/stakes/regular.h"

namespace quorvel {

// What the regulars service reads from the rest of the workspace.
struct RegularsServiceParts {
    const DataDirectory& Dir;
    UiHost& Host;
    BusyState& Busy;
    const TUiOptions& Options;
    WorkspaceListeners& Listeners;
    const DrawArchive& Archive;
    const TStatList& Stats;
    const TCombList& Combs;
    StakesService& Stakes;
    // Moves the archive's offset as the offset box does, views following.
    std::function<void(int offset)> SetOffset;
};

// The regular stakes of the tab in list order, held only while the tab is shown. Every change
// writes the whole file at once; errors are shown and what was stored stays.
class RegularsService {
public:
    explicit RegularsService(RegularsServiceParts parts) : p_(std::move(parts)) {}

    const std::vector<TRegular>& List() const { return regulars_; }
    // Reads the regulars file (none is an empty list). A damaged file is kept aside first.
    void LoadRegulars();
    void ClearRegulars();
    // The draft's regulars; chosenRows are the selected rows of the combination list. Returns
    // how many were added (none after a failed check, which is shown).
    int AddRegulars(const TRegularDraft& draft, const std::vector<int>& chosenRows);
    // After the user confirms; returns whether regulars went.
    bool DeleteRegulars(const std::vector<int>& indices);
    // A regular advanced at the current offset and its stake, before the stake dialog; nothing
    // outside the list.
    struct RegularStakePlan {
        int Index = -1;
        TRegular Advanced;
        TStakeRecord Stake;
    };
    std::optional<RegularStakePlan> PrepareRegularStake(int index) const;
    // The stake dialog's OK: the advanced regular takes its place and is saved, then the stake
    // as entered is added for draws consecutive draws and checked.
    bool CommitRegularStake(const RegularStakePlan& plan, const TStakeRecord& stake, int draws);
    // Stakes the regulars at those indices at offsets tests down to 1, as if each draw were the
    // newest, then checks; the offset is restored whatever happens. False when an append failed.
    bool TestRegulars(const std::vector<int>& indices, int tests);

private:
    bool SaveRegulars();
    void RefreshRegulars();
    void KeepRegularsAside(const std::filesystem::path& path, const std::string& problem);
    TStakeRecord StakeOfRegular(const TRegular& regular, int offset) const;

    RegularsServiceParts p_;
    std::vector<TRegular> regulars_;
    // Set when the file could not be read nor moved aside: writing it would lose its content.
    bool regularsLocked_ = false;
};

}  // namespace quorvel
