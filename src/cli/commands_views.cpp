#include "cli/commands_views.h"

#include <algorithm>
#include <ostream>

#include "cli/cli_language.h"
#include "cli/cli_options.h"
#include "core/app/workspace.h"
#include "core/combos/filter_pass.h"
#include "core/model/text_forms.h"
#include "core/stats/custom_stat.h"
#include "core/util/format.h"
#include "core/views/card.h"
#include "core/views/graph_series.h"
#include "core/views/layout.h"
#include "core/views/repeats_analysis.h"
#include "core/views/sum_distribution.h"
#include "core/views/week.h"

namespace quorvel::cli {

namespace {

constexpr int LengthMax = 2147483647;

template <typename Row>
void PrintRow(const Row& cells, std::ostream& out) {
    bool first = true;
    for (const std::string& cell : cells) {
        if (!first) out << ';';
        out << cell;
        first = false;
    }
    out << "\n";
}

int ViewSums(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!NoArgsLeft(args, err)) return 1;
    const TSumDistribution d = ComputeSumDistribution(workspace.Archive().Draws());
    out << Text("Сумма;Комбинаций;Тиражей") << "\n";
    for (const TStatSimple& e : d.Theoretical) {
        auto factual = std::find_if(d.Factual.begin(), d.Factual.end(),
                                    [&](const TStatSimple& f) { return f.Key == e.Key; });
        out << e.Key << ';' << e.Count << ';' << (factual == d.Factual.end() ? 0 : factual->Count) << "\n";
    }
    for (int i = 0; i < static_cast<int>(d.Ranges.size()); ++i)
        out << CoreText("Lists", SumRangeTitle(d, i)) << ";" << d.Ranges[static_cast<size_t>(i)].Threshold
            << "\n";
    return 0;
}

int ViewCard(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    int skip = 0;
    int length = LengthMax;
    if (!TakeIntOption(args, "--offset", 0, LengthMax, skip, err) ||
        !TakeIntOption(args, "--length", 1, LengthMax, length, err) || !NoArgsLeft(args, err)) {
        return 1;
    }
    // The card ignores the archive offset: --offset only pages through its rows.
    const TCardGrid grid = BuildCard(workspace.Archive().Draws());
    PrintRow(grid.Cells[0], out);
    const int64_t end = std::min<int64_t>(grid.RowCount(), int64_t{1} + skip + length);
    for (int64_t row = int64_t{1} + skip; row < end; ++row)
        PrintRow(grid.Cells[static_cast<size_t>(row)], out);
    return 0;
}

// Reads --offset and --length (the view's own default) and moves the archive to the offset.
bool TakeWindow(Workspace& workspace, std::vector<std::string>& args, int& length, std::ostream& err) {
    int offset = 0;
    if (!TakeIntOption(args, "--offset", 0, workspace.Archive().MaxOffset(), offset, err) ||
        !TakeIntOption(args, "--length", 1, LengthMax, length, err) || !NoArgsLeft(args, err)) {
        return false;
    }
    workspace.Draws().SetDrawsOffset(offset);
    return true;
}

TViewWindow WindowOf(Workspace& workspace, int length) {
    const DrawArchive& archive = workspace.Archive();
    return ViewWindow(archive.Count(), archive.Offset(), length);
}

int ViewWeek(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    int length = workspace.Options().WeekLen;
    if (!TakeWindow(workspace, args, length, err)) return 1;
    const TWeekCounts counts = CountWeekdays(workspace.Archive().Draws(), WindowOf(workspace, length));
    for (auto row : WeekGridTexts(counts)) {
        row.front() = CoreText("Columns", row.front());  // the day, as the week tab names it
        PrintRow(row, out);
    }
    return 0;
}

int ViewLayout(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    int length = workspace.Options().LayoutLen;
    if (!TakeWindow(workspace, args, length, err)) return 1;
    const DrawArchive& archive = workspace.Archive();
    const TLayoutGrid grid = BuildLayoutGrid(CountLayoutValues(archive.Draws(), WindowOf(workspace, length)),
                                             archive.NextValueSet());
    for (const auto& row : grid.Cells)
        PrintRow(row, out);
    for (int compareLength : workspace.Options().LayoutCompareLen) {
        const TLayoutCompareList list =
            BuildLayoutCompare(archive.Draws(), WindowOf(workspace, compareLength));
        out << "\n" << CoreText("Columns", LayoutCompareCountCaption) << ';' << list.Caption << "\n";
        for (const TLayoutCompareRow& row : list.Rows)
            out << row.Count << ';' << row.Values << "\n";
    }
    return 0;
}

int ViewRepeats(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    int length = RepeatsDefaultLength;
    int deep = RepeatsDefaultDeep;
    if (!TakeIntOption(args, "--length", 1, LengthMax, length, err) ||
        !TakeIntOption(args, "--deep", 1, LengthMax, deep, err) || !NoArgsLeft(args, err)) {
        return 1;
    }
    out << Text("Тираж;Совпадений;Кол-во повторов;Список тиражей") << "\n";
    for (const TRepeatsRow& row : AnalyzeRepeats(workspace.Archive().Draws(), length, deep))
        out << row.Number << ';' << row.Matches << ';' << row.Repeats << ';' << row.Draws << "\n";
    return 0;
}

int ViewGraph(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto code = TakeOption(args, "--method");
    int length = workspace.Options().DrawsGraphLen;
    if (!TakeWindow(workspace, args, length, err)) return 1;
    TStatList& stats = workspace.Stats().List();
    const int entry = code ? stats.IndexOfCode(*code) : -1;
    std::unique_ptr<TCustomStat> stat = entry >= 0 ? stats.CreateSelected(entry, "cbGraphType") : nullptr;
    auto* graphStat = dynamic_cast<TCustomGraphStat*>(stat.get());
    if (graphStat == nullptr) {
        err << Text("Метод построения графика не найден:") << " " << code.value_or("") << "\n";
        return 1;
    }
    const TGraphData graph = BuildGraph(*graphStat, workspace.Archive().Draws(), WindowOf(workspace, length),
                                        workspace.Options().SortedDraws,
                                        stats.Items[static_cast<size_t>(entry)].DisplayName(), false);
    out << Text("Тираж") << ";" << MethodTitleText(graph.Main.Title) << "\n";
    for (const TViewPoint& point : graph.Main.Data)
        out << point.Label << ';' << static_cast<int64_t>(point.Y) << "\n";
    if (!graph.Main.Data.empty()) {
        out << CoreText("Lists", graph.Average.Title) << ';' << Format("%.2f", {graph.AverageValue}) << "\n";
        out << CoreText("Lists", graph.MostFrequent.Title) << ';' << graph.MostFrequentValue << "\n";
    }
    return 0;
}

// "view filter card|layout|week (--keep|--remove) CELL...": the texts of the selected cells, for
// the week the values of the selected columns.
int ViewFilter(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::string view = args.empty() ? std::string() : args.front();
    if (!args.empty()) args.erase(args.begin());
    const auto combsFile = TakeOption(args, "--combs");
    const bool keep = TakeFlag(args, "--keep");
    const bool remove = TakeFlag(args, "--remove");
    int offset = 0;
    if (!TakeIntOption(args, "--offset", 0, workspace.Archive().MaxOffset(), offset, err)) return 1;
    if (keep == remove) {
        err << Text("Укажите --keep или --remove") << "\n";
        return RefuseWords();
    }
    TFilterSelection selection;
    std::string source;
    if (view == "card") {
        selection = SelectionFromCardCells(args);
        source = CardCaption;
    } else if (view == "layout") {
        selection = SelectionFromLayoutCells(args);
        source = LayoutCaption;
    } else if (view == "week") {
        std::vector<int> columns;
        for (const std::string& value : args) {
            const int v = StrToValue(value);
            if (!IsValidValue(v) || ValueToStr(v) != value) {
                err << Format(Text("Значение \"%s\" не является значением от 0 до 9"), {value}) << "\n";
                return 1;
            }
            columns.push_back(v + 1);
        }
        selection = SelectionFromWeekColumns(columns);
        source = WeekCaption;
    } else {
        err << Text("Укажите вид: card, layout или week") << "\n";
        return RefuseWords();
    }
    if (combsFile && !workspace.Combs().OpenCombsFile(*combsFile)) return 1;
    workspace.Draws().SetDrawsOffset(offset);
    if (!workspace.Combs().FilterByGridValues(selection, remove, source)) return 1;
    for (const TComb& comb : workspace.Combs().List().Current())
        out << CombToStr(comb) << "\n";
    const TAppliedFilter& applied = workspace.Combs().List().Applied().back();
    err << applied.Source << ';' << applied.Values << ';' << applied.Count << "\n";
    return 0;
}

}  // namespace

int RunView(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::string what = args.empty() ? std::string() : args.front();
    if (!args.empty()) args.erase(args.begin());
    if (what == "sums") return ViewSums(workspace, args, out, err);
    if (what == "card") return ViewCard(workspace, args, out, err);
    if (what == "week") return ViewWeek(workspace, args, out, err);
    if (what == "layout") return ViewLayout(workspace, args, out, err);
    if (what == "repeats") return ViewRepeats(workspace, args, out, err);
    if (what == "graph") return ViewGraph(workspace, args, out, err);
    if (what == "filter") return ViewFilter(workspace, args, out, err);
    err << Text("Укажите вид: sums, card, week, layout, repeats, graph или filter") << "\n";
    return RefuseWords();
}

}  // namespace quorvel::cli
