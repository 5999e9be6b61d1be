#pragma once

#include <optional>

#include "core/stakes/significance.h"
#include "gui/app/area_controller.h"

namespace quorvel::gui {

class RatingPage;

// The rating tab: its rows, graphs, exports, efficiency modes and the lines it adds to the
// scenario.
class RatingController : public AreaController {
    Q_OBJECT

public:
    explicit RatingController(Frame& frame);

    RatingPage* Page() const { return page_; }
    void CreateActions();
    void AddMenus();
    void ApplyOptions();
    void RatingRefreshed() override;

private:
    void RatingsExportExecute();
    void RatingsToScriptExecute();
    RatingPage* RatingTab() const { return page_; }
    // The probabilities of the rows while the option shows them.
    std::optional<SignificanceReport> SignificanceToShow();

    RatingPage* page_ = nullptr;
    // The probability column the rating was last ordered by, while no rating column orders it.
    int significanceSortColumn_ = -1;
    bool significanceDescending_ = false;
};

}  // namespace quorvel::gui
