#include "cli/commands_stats.h"

#include <ostream>

#include "cli/cli_language.h"
#include "cli/cli_options.h"
#include "cli/cli_sheet.h"
#include "core/app/workspace.h"
#include "core/stats/stat_class.h"
#include "core/stats/stat_table.h"
#include "core/util/format.h"

namespace quorvel::cli {

// The catalogue one entry a line (code;group;features;title), or with --list the method list
// as the statistics tab shows it.
int RunMethods(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const TStatList& stats = workspace.Stats().List();
    if (args.size() == 1 && args[0] == "--list") {
        for (const auto& item : stats.MethodList(false))
            out << MethodListText(item.Text) << "\n";
        return 0;
    }
    if (!args.empty()) {
        err << Text("Неверные параметры команды; см. quorvel --help") << "\n";
        return RefuseWords();
    }
    for (const TStatMethod& entry : stats.Items) {
        out << entry.Code() << ";" << entry.StatClass->Group << ";"
            << FeatureLetters(entry.StatClass->DisplayFlags()) << ";" << MethodTitleText(entry.DisplayName())
            << "\n";
    }
    return 0;
}

}  // namespace quorvel::cli

namespace quorvel::cli {

namespace {}  // namespace

int RunStats(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    auto code = TakeOption(args, "--method");
    const auto xlsx = TakeOption(args, "--xlsx");
    int window = workspace.Options().DrawsStatLen;
    int offset = 0;
    int column = 1;
    const bool descending = TakeFlag(args, "--desc");
    const bool prefetch = TakeFlag(args, "--prefetch");
    if (!TakeIntOption(args, "--window", 1, 2147483647, window, err) ||
        !TakeIntOption(args, "--offset", 0, workspace.Archive().MaxOffset(), offset, err) ||
        !TakeIntOption(args, "--sort", -2147483647, 2147483647, column, err) || !NoArgsLeft(args, err)) {
        return 1;
    }
    const int entry = code ? workspace.Stats().List().IndexOfCode(*code) : -1;
    if (entry < 0) {
        err << Text("Метод расчета статистики не найден:") << " " << code.value_or("") << "\n";
        return 1;
    }
    workspace.Options().DrawsStatLen = window;
    workspace.Options().PrefetchsEnabled = workspace.Options().PrefetchsEnabled || prefetch;
    workspace.Draws().SetDrawsOffset(offset);
    auto& state = workspace.Stats().Table();
    state.Entry = entry;
    state.SortColumn = column;
    state.Descending = descending;
    workspace.Stats().ComputeTable(true);
    if (xlsx) {
        std::vector<std::array<std::string, StatColumnCount>> rows;
        for (const TStatRow& row : state.Table.Rows)
            rows.push_back(row.Texts);
        return SaveSheet(workspace.Host(), *xlsx, TextSheet("Статистика", StatColumnCaptions, rows)) ? 0 : 1;
    }
    std::array<std::string, StatColumnCount> captions;
    for (int c = 0; c < StatColumnCount; ++c)
        captions[static_cast<size_t>(c)] = StatColumnCaptions[static_cast<size_t>(c)];
    out << HeaderLine(captions) << "\n";
    for (const TStatRow& row : state.Table.Rows)
        out << JoinCells(row.Texts) << "\n";
    return 0;
}

int RunFullSet(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const bool force = TakeFlag(args, "--force");
    int groups = 0;
    if (!TakeIntOption(args, "--groups", 0, (1 << StatGroupCount) - 1, groups, err) || !NoArgsLeft(args, err))
        return 1;
    workspace.Stats().CreateFullSetFiles(true, force ? (1 << StatGroupCount) - 1 : groups);
    int files = 0;
    for (const TStatMethod& entry : workspace.Stats().List().Items) {
        std::error_code ec;
        if (entry.StatClass->SupportsFullSet() &&
            std::filesystem::exists(FullSetPath(workspace.Dir().Root(), entry.Code()), ec)) {
            ++files;
        }
    }
    out << Format(Text("Файлов полного набора: %d"), {files}) << "\n";
    return 0;
}

}  // namespace quorvel::cli
