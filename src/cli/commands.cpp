#include "commands.h"

#include "commands_archive.h"
#include "commands_combs.h"
#include "commands_download.h"
#include "commands_regulars.h"
#include "commands_scenario.h"
#include "commands_stakes.h"
#include "commands_stats.h"
#include "commands_systems.h"
#include "commands_views.h"

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
