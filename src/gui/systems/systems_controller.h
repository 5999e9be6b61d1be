#pragma once

#include "gui/app/area_controller.h"

namespace quorvel::gui {

class SystemsPage;

// The systems tab, shown with its two stake actions while system games are on.
class SystemsController : public AreaController {
    Q_OBJECT

public:
    explicit SystemsController(Frame& frame);

    SystemsPage* Page() const { return page_; }
    void CreateActions();
    // Shows or hides the tab; with load the list is read (shown) or emptied (hidden).
    void ShowSystems(bool shown, bool load);
    void SystemsRefreshed() override;

private:
    void ToggleSystemsExecute();
    void SystemStakeExecute(bool filtered);
    void SystemEditExecute(bool isNew);
    void SystemsImportExecute();
    SystemsPage* SystemsTab() const { return page_; }

    SystemsPage* page_ = nullptr;
};

}  // namespace quorvel::gui
