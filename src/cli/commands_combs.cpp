#include "cli/commands_combs.h"

#include <algorithm>
#include <ostream>

#include "cli/cli_language.h"
#include "cli/cli_options.h"
#include "core/app/workspace.h"
#include "core/model/text_forms.h"
#include "core/util/format.h"

namespace quorvel::cli {

namespace {

void PrintCombs(Workspace& workspace, std::ostream& out) {
    for (const TComb& comb : workspace.Combs().List().Current())
        out << CombToStr(comb) << "\n";
}

}  // namespace

int RunCombs(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    TCombsGenerateParams params;
    const auto numbers = TakeOption(args, "--numbers");
    const auto file = TakeOption(args, "--file");
    if (!TakeIntOption(args, "--mode", 0, CombsGenerateModeCount - 1, params.Mode, err) ||
        !NoArgsLeft(args, err)) {
        return 1;
    }
    if (file) {
        params.Mode = 4;
        params.Parameters = *file;
    } else if (numbers) {
        params.Parameters = *numbers;
    }
    workspace.Combs().GenerateCombsList(params, true);
    PrintCombs(workspace, out);
    return 0;
}

int RunFilter(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto code = TakeOption(args, "--method");
    const auto combsFile = TakeOption(args, "--combs");
    const auto outFile = TakeOption(args, "--out");
    const bool keep = TakeFlag(args, "--keep");
    const bool remove = TakeFlag(args, "--remove");
    int window = workspace.Options().DrawsStatLen;
    int offset = 0;
    if (!TakeIntOption(args, "--window", 1, 2147483647, window, err) ||
        !TakeIntOption(args, "--offset", 0, workspace.Archive().MaxOffset(), offset, err)) {
        return 1;
    }
    if (keep == remove || args.empty()) {
        err << Text("Укажите --keep или --remove и хотя бы одно значение") << "\n";
        return 1;
    }
    const int entry = code ? workspace.Stats().List().IndexOfCode(*code) : -1;
    if (entry < 0) {
        err << Text("Метод расчета статистики не найден:") << " " << code.value_or("") << "\n";
        return 1;
    }
    if (combsFile && !workspace.Combs().OpenCombsFile(*combsFile)) return 1;
    workspace.Options().DrawsStatLen = window;
    workspace.Draws().SetDrawsOffset(offset);
    workspace.Stats().Table().Entry = entry;
    workspace.Stats().ComputeTable(true);
    const auto& rows = workspace.Stats().Table().Table.Rows;
    std::vector<int> chosen;
    for (const std::string& value : args) {
        auto it = std::find_if(rows.begin(), rows.end(),
                               [&](const TStatRow& row) { return row.Texts[0] == value; });
        if (it == rows.end()) {
            err << Format(Text("Значение \"%s\" не найдено в таблице статистики"), {value}) << "\n";
            return 1;
        }
        chosen.push_back(static_cast<int>(it - rows.begin()));
    }
    if (!workspace.FilterByStatRows(chosen, remove)) return 1;
    if (outFile && !workspace.Combs().SaveCombsFile(*outFile)) return 1;
    PrintCombs(workspace, out);
    return 0;
}

}  // namespace quorvel::cli
