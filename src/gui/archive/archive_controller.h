#pragma once

#include "gui/app/area_controller.h"

namespace quorvel::gui {

class WaitWindow;

// The archive of draws: the draws list on the left, its actions, dialogs and the download with
// its wait window.
class ArchiveController : public AreaController {
    Q_OBJECT

public:
    explicit ArchiveController(Frame& frame);

    DrawsPage* Page() const { return drawsPage_; }
    WaitWindow* Wait() const { return waitWindow_; }
    void CreateActions();
    void DrawsInfoExecute(int row);

private:
    void DrawsAddExecute();
    void DrawsEditExecute();
    void DrawsDelExecute();
    void DrawsImportExecute();
    void DrawsExportExecute();
    void OpenLotoSiteExecute();

    WaitWindow* waitWindow_ = nullptr;
};

}  // namespace quorvel::gui
