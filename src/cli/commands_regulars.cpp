#include "cli/commands_regulars.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <ostream>

#include "cli/cli_language.h"
#include "cli/cli_options.h"
#include "core/app/workspace.h"
#include "core/model/text_forms.h"
#include "core/stakes/entry_checks.h"
#include "core/stakes/regular.h"
#include "core/util/format.h"
#include "core/util/text.h"

namespace quorvel::cli {

namespace {

void PrintCount(Workspace& workspace, std::ostream& out) {
    out << Format(Text("Регулярных ставок: %d"), {static_cast<int>(workspace.Regulars().List().size())})
        << "\n";
}

int ListRegulars(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!NoArgsLeft(args, err)) return 1;
    std::array<std::string, RegularColumnCount> captions;
    for (size_t c = 0; c < captions.size(); ++c)
        captions[c] = RegularColumnCaptions[c];
    out << HeaderLine(captions, "|") << "\n";
    for (const TRegular& regular : workspace.Regulars().List())
        out << JoinCells(RegularCellTexts(regular), "|") << "\n";
    return 0;
}

// The rows of "--combs 1,3" (list positions from 1) as list rows from 0.
bool TakeCombRows(std::vector<std::string>& args, std::vector<int>& rows, std::ostream& err) {
    const auto text = TakeOption(args, "--comb-rows");
    if (!text) return true;
    for (std::string_view word : SplitEvery(*text, ",;")) {
        const auto position = ParseInt32(TrimBlanks(word));
        if (!position || *position < 1) {
            err << Text("Укажите номера комбинаций списка через запятую, начиная с 1") << "\n";
            return false;
        }
        rows.push_back(*position - 1);
    }
    return true;
}

int AddRegular(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    TRegularDraft draft;
    std::vector<int> rows;
    const auto start = TakeOption(args, "--start");
    draft.UseLastDraw = TakeFlag(args, "--last-draw");
    if (!TakeIntOption(args, "--step", RegularStepMin, RegularStepMax, draft.Step, err) ||
        !TakeCombRows(args, rows, err)) {
        return 1;
    }
    if (!NoOptionsLeft(args, err)) return 1;
    if (args.size() != 1) {
        err << Text("Укажите комментарий регулярной ставки; см. quorvel --help") << "\n";
        return RefuseWords();
    }
    draft.Comment = args[0];
    // The dialog's checks, in its order.
    const auto typedStart = start ? std::optional<std::string_view>(*start) : std::nullopt;
    if (const EntryProblem problem =
            CheckRegularEntry(typedStart, draft.Comment, workspace.Regulars().List());
        problem != EntryProblem::None) {
        err << CoreText("EntryChecks", EntryProblemText(problem)) << "\n";
        return 1;
    }
    if (start) {
        draft.Start = *ParseTypedComb(*start);
    } else if (rows.size() == 1 && rows[0] < workspace.Combs().List().CombCount()) {
        draft.Start = workspace.Combs().List().CombAt(rows[0]);
    }
    if (workspace.Regulars().AddRegulars(draft, rows) == 0) return 1;
    PrintCount(workspace, out);
    return 0;
}

int TestRegulars(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const int most = workspace.Archive().Count() - 1;
    std::vector<int> rows;
    const auto chosen = TakeOption(args, "--rows");
    if (chosen) {
        for (std::string_view word : SplitEvery(*chosen, ",;")) {
            const auto row = ParseInt32(TrimBlanks(word));
            if (!row || *row < 1 || *row > static_cast<int>(workspace.Regulars().List().size())) {
                err << Format(Text("Укажите номера регулярных ставок от 1 до %d через запятую\n"),
                              {static_cast<int>(workspace.Regulars().List().size())});
                return 1;
            }
            rows.push_back(*row - 1);
        }
    } else {
        rows.resize(workspace.Regulars().List().size());
        std::iota(rows.begin(), rows.end(), 0);
    }
    if (rows.empty()) {
        err << Text("Нет регулярных ставок для теста!") << "\n";
        return 1;
    }
    const auto tests = args.size() == 1 ? ParseInt32(args[0]) : std::nullopt;
    if (!tests || *tests < 1 || *tests > most) {
        err << Format(Text("Укажите количество тестов от 1 до %d\n"), {std::max(most, 1)});
        return 1;
    }
    if (!workspace.Regulars().TestRegulars(rows, *tests)) return 1;
    out << Format(Text("Ставок: %d"), {workspace.Stakes().File().RecordCount()}) << "\n";
    return 0;
}

}  // namespace

int RunRegulars(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    // The command line works on the file whether or not the window shows its tab.
    workspace.Regulars().LoadRegulars();
    const std::string action = args.empty() ? "list" : args[0];
    if (!args.empty()) args.erase(args.begin());
    if (action == "list") return ListRegulars(workspace, args, out, err);
    if (action == "add") return AddRegular(workspace, args, out, err);
    if (action == "test") return TestRegulars(workspace, args, out, err);
    err << Format(Text("Неизвестное действие: %s; см. quorvel --help"), {action}) << "\n";
    return RefuseWords();
}

}  // namespace quorvel::cli
