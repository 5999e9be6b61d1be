#include "cli/commands_systems.h"

#include <climits>
#include <ostream>

#include "cli/cli_language.h"
#include "cli/cli_options.h"
#include "core/app/workspace.h"
#include "core/stakes/entry_checks.h"
#include "core/util/format.h"
#include "core/util/text.h"

namespace quorvel::cli {

namespace {

// As the systems tab shows a row: the status, and the titles and descriptions of the systems
// shipped with the program, in the interface language.
std::array<std::string, SystemColumnCount> SystemCellsShown(const TSystemInfo& info) {
    std::array<std::string, SystemColumnCount> cells = SystemRowTexts(info);
    for (const size_t column : SystemTranslatedColumns)
        cells[column] = CoreText("Lists", cells[column]);
    return cells;
}

int ListSystems(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!NoArgsLeft(args, err)) return 1;
    workspace.Systems().RefreshSystems();
    std::array<std::string, SystemColumnCount> captions;
    for (size_t c = 0; c < captions.size(); ++c)
        captions[c] = SystemColumnCaptions[c];
    out << HeaderLine(captions) << "\n";
    for (const TSystemInfo& info : workspace.Systems().List())
        out << JoinCells(SystemCellsShown(info)) << "\n";
    return 0;
}

int StakeSystem(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const bool all = TakeFlag(args, "--all");
    const bool filtered = TakeFlag(args, "--filtered");
    const auto combsFile = TakeOption(args, "--combs");
    const auto comment = TakeOption(args, "--comment");
    int draw = 0;
    int draws = 1;
    if (!TakeIntOption(args, "--draw", 1, INT_MAX, draw, err) ||
        !TakeIntOption(args, "--draws", 1, 65535, draws, err) || !NoArgsLeft(args, err)) {
        return 1;
    }
    if (all == filtered) {
        err << Text("Укажите --all (вся система) или --filtered (только комбинации из списка)") << "\n";
        return 1;
    }
    // The multi-stake dialog's check.
    if (comment && CheckComment(*comment) != EntryProblem::None) {
        err << CoreText("EntryChecks", EntryProblemText(CheckComment(*comment))) << "\n";
        return 1;
    }
    if (combsFile && !workspace.Combs().OpenCombsFile(*combsFile)) return 1;
    if (workspace.Combs().List().CombCount() == 0) {
        err << Text("Список комбинаций пуст") << "\n";
        return 1;
    }
    auto plan = workspace.Systems().PrepareSystemStakes(filtered);
    if (!plan) return 1;
    if (draw > 0) plan->DrawNumber = draw;
    plan->Draws = draws;
    plan->Comment = comment ? *comment : MessageText(plan->Comment);
    if (!workspace.Systems().AddSystemStakes(*plan)) return 1;
    out << Format(Text("Ставок: %d"), {workspace.Stakes().File().RecordCount()}) << "\n";
    return 0;
}

int ImportSystem(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << Text("Укажите файл системы: quorvel systems import ФАЙЛ") << "\n";
        return 1;
    }
    if (!workspace.Systems().ImportSystemFile(args[0])) return 1;
    args.clear();
    return ListSystems(workspace, args, out, err);
}

}  // namespace

int RunSystems(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "list") {
        if (!args.empty()) args.erase(args.begin());
        return ListSystems(workspace, args, out, err);
    }
    const std::string action = args[0];
    args.erase(args.begin());
    if (action == "stake") return StakeSystem(workspace, args, out, err);
    if (action == "import") return ImportSystem(workspace, args, out, err);
    err << Format(Text("Неизвестное действие: %s; см. quorvel --help"), {action}) << "\n";
    return RefuseWords();
}

}  // namespace quorvel::cli
