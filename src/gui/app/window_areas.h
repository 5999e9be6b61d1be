#pragma once

#include "gui/app/main_window.h"
#include "gui/archive/archive_controller.h"
#include "gui/combos/combs_controller.h"
#include "gui/scenario/scenario_controller.h"
#include "gui/stakes/rating_controller.h"
#include "gui/stakes/regulars_controller.h"
#include "gui/stakes/stakes_controller.h"
#include "gui/stats/stats_controller.h"
#include "gui/systems/systems_controller.h"
#include "gui/views/graphs_controller.h"
#include "gui/views/views_controller.h"

namespace quorvel::gui {

struct MainWindow::Areas {
    ArchiveController* Archive = nullptr;
    CombsController* Combs = nullptr;
    StatsController* Stats = nullptr;
    GraphsController* Graphs = nullptr;
    ViewsController* Views = nullptr;
    StakesController* Stakes = nullptr;
    RatingController* Rating = nullptr;
    RegularsController* Regulars = nullptr;
    SystemsController* Systems = nullptr;
    ScenarioController* Scenario = nullptr;
};

}  // namespace quorvel::gui
