#pragma once

#include "gui/app/area_controller.h"

namespace quorvel::gui {

class RegularsPage;

// The regular stakes tab, shown or hidden by its own option; shown, it holds the regulars.
class RegularsController : public AreaController {
    Q_OBJECT

public:
    explicit RegularsController(Frame& frame);

    RegularsPage* Page() const { return page_; }
    void CreateActions();
    void ShowRegulars(bool shown, bool load);
    void RegularsRefreshed() override;

private:
    void RegularAddExecute();
    // The first selected regular, advanced, through the stake dialog.
    void RegularStakeExecute();
    // The selected regulars over past draws, with the views resting until the end.
    void RegularsTestExecute();
    RegularsPage* RegularsTab() const { return page_; }

    RegularsPage* page_ = nullptr;
};

}  // namespace quorvel::gui
