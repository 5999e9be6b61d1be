#include "commands_scenario.h"

#include <ostream>

#include "app/workspace.h"
#include "cli_options.h"
#include "model/text_forms.h"
#include "scenario/filter_item.h"
#include "scenario/script_line.h"
#include "util/error.h"

namespace quorvel::cli {

namespace {

// The walk's log as it happens, one line each, without the time prefix of the log file.
class StreamLog : public ScenarioLogSink {
public:
    explicit StreamLog(std::ostream& stream) : stream_(stream) {}
    void WriteLine(const std::string& line) override { stream_ << line << "\n"; }

private:
    std::ostream& stream_;
};

}  // namespace

int RunScenario(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] != "show" || args.size() > 2) {
        err << "Неверные параметры команды; см. quorvel --help\n";
        return 1;
    }
    std::vector<std::string> lines = workspace.Scenario().Lines();
    if (args.size() == 2) {
        try {
            lines = ReadScenarioFile(args[1]);
        } catch (const std::exception& e) {
            workspace.Host().ShowError(ScenarioReadErrorText(args[1], e.what()));
            return 1;
        }
    }
    for (const std::string& line : lines) {
        // A separator is an empty row of the list.
        if (IsScriptSeparator(line)) {
            out << "\n";
            continue;
        }
        const ScriptListRow cells = ScriptListCells(line, workspace.Stats());
        for (size_t i = 0; i < cells.size(); ++i)
            out << (i > 0 ? " | " : "") << cells[i];
        out << "\n";
    }
    return 0;
}

int RunStep(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto combsFile = TakeOption(args, "--combs");
    int offset = 0;
    int window = 0;
    if (!TakeIntOption(args, "--offset", 0, workspace.Archive().MaxOffset(), offset, err) ||
        !TakeIntOption(args, "--window", 1, 2147483647, window, err)) {
        return 1;
    }
    if (args.size() != 1) {
        err << "Укажите описание фильтра одним параметром; см. quorvel --help\n";
        return 1;
    }
    TFilterItem item = StrToFilterItem(args[0], workspace.Stats());
    if (!item.Enabled) {
        err << "Укажите описание фильтра; см. quorvel --help\n";
        return 1;
    }
    if (window > 0) item.DrawsText = std::to_string(window);
    if (combsFile && !workspace.OpenCombsFile(*combsFile)) return 1;
    workspace.SetDrawsOffset(offset);
    StreamLog log(err);
    workspace.Stats().BackupWeights();
    try {
        // As in a scenario line: each variant runs on what the one before left, and only while
        // there is still a choice to make.
        for (const TFilterPart& part : ExpandFilterItem(item, workspace.Stats())) {
            if (workspace.Combs().CombCount() <= 1) break;
            workspace.RunFilterPart(part, &log);
        }
    } catch (const std::exception& e) {
        workspace.Stats().RestoreWeights();
        workspace.Host().ShowError(e.what());
        return 1;
    }
    workspace.Stats().RestoreWeights();
    for (const TComb& comb : workspace.Combs().Current())
        out << CombToStr(comb) << "\n";
    return 0;
}

}  // namespace quorvel::cli
