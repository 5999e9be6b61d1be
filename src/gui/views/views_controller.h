#pragma once

#include "core/views/view_stamp.h"
#include "gui/app/area_controller.h"
#include "gui/views/graphs_controller.h"

namespace quorvel::gui {

class CardPage;
class LayoutPage;
class WeekPage;

// The card, layout and week tabs: each rebuilds only while its tab is visible and, unless
// forced, when what it was built for changed. Also the tab visibility and colour entries of the
// views, whose marks, length boxes and colours follow the options once these have been read.
class ViewsController : public AreaController {
    Q_OBJECT

public:
    ViewsController(Frame& frame, GraphsController& graphs);

    CardPage* Card() const { return cardPage_; }
    LayoutPage* Layout() const { return layoutPage_; }
    WeekPage* Week() const { return weekPage_; }
    void CreateActions();
    void ApplyViewOptions();
    void RecalcViews() override { RebuildViews(false); }

private:
    void CreateViewOptionActions();
    void RebuildViews(bool force);
    void RebuildCard(bool force);
    void RebuildLayout(bool force);
    void RebuildLayoutCompare(bool force);
    void RebuildWeek(bool force);
    void DrawWeekChart();
    void RebuildGraph(bool force) { graphs_.RebuildGraph(force); }

    GraphsController& graphs_;
    CardPage* cardPage_ = nullptr;
    LayoutPage* layoutPage_ = nullptr;
    WeekPage* weekPage_ = nullptr;
    TViewStamp layoutStamp_;
    TViewStamp layoutCompareStamp_;
    TViewStamp weekStamp_;
};

}  // namespace quorvel::gui
