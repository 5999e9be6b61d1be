#include "cli/commands.h"

#include "cli/commands_archive.h"
#include "cli/commands_combs.h"
#include "cli/commands_download.h"
#include "cli/commands_regulars.h"
#include "cli/commands_scenario.h"
#include "cli/commands_stakes.h"
#include "cli/commands_stats.h"
#include "cli/commands_systems.h"
#include "cli/commands_views.h"

namespace quorvel::cli {

namespace {

const Command Commands[] = {
    {"download", RunDownload}, {"import", RunImport}, {"export", RunExport},   {"info", RunInfo},
    {"add", RunAdd},           {"delete", RunDelete}, {"methods", RunMethods}, {"stats", RunStats},
    {"fullset", RunFullSet},   {"combs", RunCombs},   {"filter", RunFilter},   {"scenario", RunScenario},
    {"step", RunStep},         {"stakes", RunStakes}, {"rating", RunRating},   {"regulars", RunRegulars},
    {"systems", RunSystems},   {"view", RunView},
};

}  // namespace

const Command* FindCommand(const std::string& name) {
    for (const Command& command : Commands) {
        if (name == command.Name) return &command;
    }
    return nullptr;
}

}  // namespace quorvel::cli
