#pragma once

#include "gui/app/area_controller.h"

namespace quorvel::gui {

class StakesPage;

// The stakes tab: manual stakes on the combinations, the stakes grid, its checks, filter,
// graphs and option entries.
class StakesController : public AreaController {
    Q_OBJECT

public:
    explicit StakesController(Frame& frame);

    StakesPage* Page() const { return page_; }
    void CreateActions();
    void AddMenus();
    // Marks the option entries as the options read at start-up say.
    void ApplyOptions();
    void StakesRefreshed(bool moveToEnd) override;

private:
    void CreateOptionActions();
    // The stake dialog on the combination at that row of the current list (none when outside).
    void StakeAddExecute(int combRow);
    // The multi-stake dialog, then one stake per combination.
    bool StakeAddManyExecute(const std::vector<TComb>& combs);
    void StakeFilterExecute();
    StakesPage* StakesTab() const { return page_; }

    StakesPage* page_ = nullptr;
};

}  // namespace quorvel::gui
