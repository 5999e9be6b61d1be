#include "core/scenario_run/filter_step.h"

#include <algorithm>

#include "core/app/workspace.h"
#include "core/util/error.h"
#include "core/util/format.h"

namespace quorvel {

namespace {

void WriteLog(ScenarioLogSink* log, const std::string& line) {
    if (log != nullptr) log->WriteLine(line);
}

// The line is only formatted when the log is on: a scenario test runs this many thousand times.
template <typename MakeLine>
void WriteLogLazy(ScenarioLogSink* log, MakeLine makeLine) {
    if (log != nullptr) log->WriteLine(makeLine());
}

std::string FilterModeLine(bool keep) {
    return keep ? "Оставляем выделенные значения..." : "Удаляем выделенные значения...";
}

std::string StepLine(int step, const TStatValues& row) {
    return Format("Шаг %.3d. Выделение строки: %s", {step, StatRowLogText(row)});
}

// Only a method the statistics tab offers can run: the user may have hidden it, or the
// scenario may come from a program with other methods.
void RequireOfferedMethod(const TStatList& stats, int method) {
    if (stats.IsOffered(method, false)) return;
    const bool known = method >= 0 && method < stats.Count();
    const TStatMethod* entry = known ? &stats.Items[static_cast<size_t>(method)] : nullptr;
    throw Error(
        Format("Метод расчета статистики \"%s\" на найден!\r%s\r\rВозможно, Вы отключили данных "
               "метод расчета либо использовали сценарий от другой модификации программы.",
               {entry != nullptr ? entry->Code() : std::string(),
                entry != nullptr ? entry->DisplayName() : std::string()}));
}

// The walk of a step that selects several rows and filters once, in table order.
void RunMultiSelect(Workspace& ws, const TFilterPart& part, const StatsService::StepTable& table,
                    ScenarioLogSink* log) {
    const std::vector<TStatValues>& rows = table.Rows;
    const int count = static_cast<int>(rows.size());
    const int step = part.BottomUp ? -1 : 1;
    std::vector<int> selected;
    int steps = 0;
    for (int i = part.BottomUp ? count - 1 : 0; i >= 0 && i < count; i += step) {
        if (ws.Script().StopRequested()) return;
        const TStatValues& row = rows[static_cast<size_t>(i)];
        // "SC" and "SZ" need a filtering per row, which this walk does not do.
        if (part.StopCondition == StopST && steps >= part.StopValue) break;
        if (RowEndsWalk(part, row)) break;
        if (RowPassesRule(part, row)) {
            selected.push_back(i);
            WriteLogLazy(log, [&] { return StepLine(steps + 1, row); });
        }
        ++steps;
    }
    WriteLog(log, FilterModeLine(part.KeepSelected));
    std::sort(selected.begin(), selected.end());
    bool filtered = false;
    if (selected.empty()) {
        ws.Combs().MakeUndoCopy(true);
    } else {
        filtered = ws.Combs().FilterByTableRows(table.Table, part.Method, table.Source, selected,
                                                !part.KeepSelected);
    }
    WriteLogLazy(
        log, [&] { return Format("Количество комбинаций в списке: %d", {ws.Combs().List().CombCount()}); });
    if (filtered && ws.Combs().List().CombCount() == 0) {
        WriteLog(log, "{UNDO} Откат изменений...");
        ws.Combs().UndoEmptiedFilter();
    }
}

// The walk of a step that filters row by row.
void RunRowByRow(Workspace& ws, const TFilterPart& part, const StatsService::StepTable& table,
                 ScenarioLogSink* log) {
    const std::vector<TStatValues>& rows = table.Rows;
    const int count = static_cast<int>(rows.size());
    const int step = part.BottomUp ? -1 : 1;
    int steps = 0;
    for (int i = part.BottomUp ? count - 1 : 0; i >= 0 && i < count; i += step) {
        if (ws.Script().StopRequested()) return;
        const TStatValues& row = rows[static_cast<size_t>(i)];
        if (part.StopCondition == StopSC && ws.Combs().List().CombCount() <= part.StopValue) break;
        if (RowEndsWalk(part, row)) break;
        if (part.StopCondition == StopST && steps >= part.StopValue) break;
        if (!RowPassesRule(part, row)) continue;
        WriteLogLazy(log, [&] { return StepLine(steps + 1, row); });
        WriteLog(log, FilterModeLine(part.KeepSelected));
        const bool filtered =
            ws.Combs().FilterByTableRows(table.Table, part.Method, table.Source, {i}, !part.KeepSelected);
        WriteLogLazy(log, [&] {
            return Format("Количество комбинаций в списке: %d", {ws.Combs().List().CombCount()});
        });
        if (filtered && ws.Combs().List().CombCount() == 0) {
            WriteLog(log, "{UNDO} Откат изменений...");
            ws.Combs().UndoEmptiedFilter();
            if (part.StopCondition == StopSZ) break;
        } else {
            ++steps;
        }
    }
}

}  // namespace

void RunFilterPart(Workspace& ws, const TFilterPart& part, ScenarioLogSink* log) {
    if (!part.Enabled) return;
    RequireOfferedMethod(ws.Stats().List(), part.Method);
    WriteLogLazy(log, [&] {
        return Format("Анализ тиражей и расчет статистики \"%s\" для выборки в %d тиражей...",
                      {ws.Stats().List().ListText(part.Method, true), part.DrawsCount});
    });
    const StatsService::StepTable& table = ws.Stats().UseStepTable(part);
    if (log != nullptr) {
        for (const TStatValues& values : table.Rows)
            log->WriteLine(StatRowLogText(values));
    }
    if (part.MultiSelect) {
        RunMultiSelect(ws, part, table, log);
    } else {
        RunRowByRow(ws, part, table, log);
    }
}

}  // namespace quorvel
