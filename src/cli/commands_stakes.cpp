#include "cli/commands_stakes.h"

#include <algorithm>
#include <array>
#include <climits>
#include <ostream>

#include "cli/cli_language.h"
#include "cli/cli_options.h"
#include "cli/cli_sheet.h"
#include "cli/commands_significance.h"
#include "core/app/workspace.h"
#include "core/stakes/entry_checks.h"
#include "core/stakes/stake_record.h"
#include "core/util/format.h"
#include "core/util/text.h"

namespace quorvel::cli {

namespace {

// The stakes grid names a stake's kind in the interface language, as this list does.
constexpr size_t StakeKindColumn = 1;

void PrintCount(Workspace& workspace, std::ostream& out) {
    out << Format(Text("Ставок: %d"), {workspace.Stakes().File().RecordCount()}) << "\n";
}

int AddStake(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    TStakeRecord stake = workspace.Stakes().NewManualStake();
    stake.Comment.SetText(CoreText("Lists", stake.Comment.Text()));
    int draw = stake.DrawNumber;
    int draws = 1;
    const auto comment = TakeOption(args, "--comment");
    if (!TakeIntOption(args, "--draw", 1, INT_MAX, draw, err) ||
        !TakeIntOption(args, "--draws", 1, 65535, draws, err)) {
        return 1;
    }
    if (args.size() != 1) {
        err << Text("Укажите одну ставку вида \"v1;v2;v3\"; см. quorvel --help") << "\n";
        return RefuseWords();
    }
    // The stake dialog's checks; without a comment the stake keeps its default one.
    if (const EntryProblem problem = CheckStakeEntry(args[0], comment.value_or(stake.Comment.Text()));
        problem != EntryProblem::None) {
        err << CoreText("EntryChecks", EntryProblemText(problem)) << "\n";
        return 1;
    }
    const auto values = ParseStakeValues(args[0]);
    stake.DrawNumber = draw;
    stake.Values = *values;
    if (comment) stake.Comment.SetText(*comment);
    if (!workspace.Stakes().AddStake(stake, draws)) return 1;
    PrintCount(workspace, out);
    return 0;
}

int ListStakes(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!NoArgsLeft(args, err)) return 1;
    StakesFile& file = workspace.Stakes().File();
    const int count = file.RecordCount();
    try {
        for (int i = 0; i < count; ++i) {
            std::array<std::string, StakeColumnCount> cells = StakeCellTexts(file.Read(i));
            cells[StakeKindColumn] = CoreText("Lists", cells[StakeKindColumn]);
            out << JoinCells(cells) << "\n";
        }
    } catch (const std::exception& e) {
        err << MessageText(e.what()) << "\n";
        return 1;
    }
    return 0;
}

int CheckStakes(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!NoArgsLeft(args, err)) return 1;
    const int checked = workspace.Stakes().CheckStakes();
    out << Format(Text("Проверено ставок: %d"), {checked}) << "\n";
    return 0;
}

int DeleteStakes(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    // "--matches OP V" takes two values, so it is read by hand.
    static const std::array<const char*, StakeConditionCount> operators = {"=", ">", ">=", "<", "<="};
    int condition = -1;
    int value = -1;
    for (size_t i = 0; i + 2 < args.size(); ++i) {
        if (args[i] != "--matches") continue;
        for (int c = 0; c < StakeConditionCount; ++c) {
            if (args[i + 1] == operators[static_cast<size_t>(c)]) condition = c;
        }
        const auto number = ParseInt32(args[i + 2]);
        if (number && *number >= 0 && *number <= 3) value = *number;
        args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 3);
        break;
    }
    if (condition < 0 || value < 0) {
        err << Text("Укажите условие: --matches =|>|>=|<|<= ЧИСЛО (от 0 до 3)") << "\n";
        return 1;
    }
    if (!NoArgsLeft(args, err)) return 1;
    if (!workspace.Stakes().DeleteStakesWhere(static_cast<TStakeCondition>(condition), value)) return 1;
    PrintCount(workspace, out);
    return 0;
}

void PrintRating(Workspace& workspace, std::ostream& out) {
    std::array<std::string, RatingColumnCount> captions;
    for (size_t c = 0; c < captions.size(); ++c)
        captions[c] = RatingColumnCaptions[c];
    out << HeaderLine(captions) << "\n";
    for (int row = 0; row < workspace.Stakes().Rating().Count(); ++row)
        out << JoinCells(workspace.Stakes().RatingTexts(row)) << "\n";
}

}  // namespace

int RunStakes(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << Text("Укажите действие: add, list, check или delete; см. quorvel --help") << "\n";
        return RefuseWords();
    }
    const std::string action = args[0];
    args.erase(args.begin());
    if (action == "add") return AddStake(workspace, args, out, err);
    if (action == "list") return ListStakes(workspace, args, out, err);
    if (action == "check") return CheckStakes(workspace, args, out, err);
    if (action == "delete") return DeleteStakes(workspace, args, out, err);
    err << Format(Text("Неизвестное действие: %s; см. quorvel --help"), {action}) << "\n";
    return RefuseWords();
}

int RunRating(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!args.empty() && args[0] == "rebuild") {
        args.erase(args.begin());
        if (!NoArgsLeft(args, err)) return 1;
        if (!workspace.Stakes().RebuildRating()) return 1;
        out << Format(Text("Рейтинг: %d"), {workspace.Stakes().Rating().Count()}) << "\n";
        return 0;
    }
    if (!args.empty() && args[0] == "significance") {
        args.erase(args.begin());
        return RunRatingSignificance(workspace, args, out, err);
    }
    if (!args.empty() && args[0] == "export") {
        if (!NoOptionsLeft(args, err)) return 1;
        if (args.size() != 2) {
            err << Text("Укажите файл: quorvel rating export ФАЙЛ.csv") << "\n";
            return 1;
        }
        return workspace.Stakes().ExportRating(args[1]) ? 0 : 1;
    }
    int column = workspace.Stakes().RatingSortColumn();
    int mode = workspace.Options().RatingsEffMode;
    const auto xlsx = TakeOption(args, "--xlsx");
    const bool sortGiven = std::find(args.begin(), args.end(), "--sort") != args.end();
    const bool descending = TakeFlag(args, "--desc");
    if (!TakeIntOption(args, "--sort", 0, RatingColumnCount - 1, column, err) ||
        !TakeIntOption(args, "--mode", 0, RatingEffModeCount - 1, mode, err) || !NoArgsLeft(args, err)) {
        return 1;
    }
    if (sortGiven || descending) workspace.Stakes().SortRating(column, descending);
    // The mode applies to this listing; the stored option stays as it is.
    workspace.Options().RatingsEffMode = mode;
    if (xlsx) {
        std::vector<std::array<std::string, RatingColumnCount>> rows;
        for (int row = 0; row < workspace.Stakes().Rating().Count(); ++row)
            rows.push_back(workspace.Stakes().RatingTexts(row));
        return SaveSheet(workspace.Host(), *xlsx, TextSheet("Рейтинг", RatingColumnCaptions, rows)) ? 0 : 1;
    }
    PrintRating(workspace, out);
    return 0;
}

}  // namespace quorvel::cli
