#pragma once

#include "gui/app/area_controller.h"

namespace quorvel::gui {

// The combination list on the left: generation, files, filters applied, and its menu.
class CombsController : public AreaController {
    Q_OBJECT

public:
    explicit CombsController(Frame& frame);

    CombsPage* Page() const { return combsPage_; }
    void CreateActions();
    void CreateMenu();
    void CombsRefreshed() override;

private:
    void CombsGenExecute();
    void CombsOpenExecute();
    void CombsSaveExecute();
    void CombsInfoExecute();
};

}  // namespace quorvel::gui
