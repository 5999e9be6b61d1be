#pragma once

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

    RatingPage* page_ = nullptr;
};

}  // namespace quorvel::gui
