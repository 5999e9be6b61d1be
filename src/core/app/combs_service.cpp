#include "core/app/combs_service.h"
#include "core/combos/comb_files.h"
#include "core/combos/exclusion.h"
#include "core/model/lists.h"
#include "core/model/matching.h"
#include "core/model/text_forms.h"
#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/safe_file.h"
#include "core/util/text_file.h"

namespace quorvel {

void CombsService::Refresh() {
    p_.Listeners.TellAll([&](WorkspaceListener& listener) { listener.CombsRefreshed(); });
}

void CombsService::GenerateCombsList(const TCombsGenerateParams& params, bool showProgress) {
    {
        BusyScope busy(p_.Busy, p_.Host, showProgress ? "Генерация возможных комбинаций..." : "");
        combs_.ResetList(CombinationCount, 0);
        try {
            combs_.AssignList(GenerateCombs(params));
        } catch (const std::exception& e) {
            p_.Host.ShowError(ActionError("Ошибка генерации файла комбинаций!\r\r%s", e.what()));
        }
        if (showProgress) {
            combs_.ClearApplied();
            combs_.DropUndo();
            combs_.EmptyBuffer();
        }
    }
    Refresh();
}

void CombsService::GenerateStartList() {
    const TCombsGenerateParams params = StoredGenerateParams();
    if (!startList_ || startList_->first != params) {
        GenerateCombsList(params, false);
        // Kept only when made without an error, so that a failure shows every time.
        if (combs_.CombCount() > 0)
            startList_.emplace(params, TCombsArray(combs_.Current().begin(), combs_.Current().end()));
        return;
    }
    combs_.ResetList(CombinationCount, 0);
    combs_.AssignList(startList_->second);
    Refresh();
}

TCombsGenerateParams CombsService::StoredGenerateParams() const {
    return {p_.Stats.CombsGenerateMode, p_.Stats.CombsGenerateParameters};
}

void CombsService::StoreGenerateParams(const TCombsGenerateParams& params) {
    p_.Stats.CombsGenerateMode = static_cast<uint8_t>(params.Mode);
    p_.Stats.CombsGenerateParameters = params.Parameters;
    BusyScope busy(p_.Busy, p_.Host, "Сохранение файла конфигурации...");
    try {
        p_.Stats.SaveCombsGenerate();
    } catch (const std::exception& e) {
        p_.Host.ShowError(ActionError("Ошибка записи в файл конфигурации!\r\r%s", e.what()));
    }
}

bool CombsService::MakeUndoCopy(bool showProgress) {
    BusyScope busy(p_.Busy, p_.Host, showProgress ? "Создание файла отката..." : "");
    try {
        combs_.MakeUndoCopy();
        return true;
    } catch (const std::exception& e) {
        combs_.DropUndo();
        p_.Host.ShowError(e.what());
        return false;
    }
}

void CombsService::RestoreUndo(bool showProgress) {
    {
        BusyScope busy(p_.Busy, p_.Host, showProgress ? "Отмена изменений..." : "");
        combs_.RestoreUndo();
    }
    Refresh();
}

void CombsService::UndoCombs() {
    if (combs_.UndoCount() == 0) return;
    combs_.RestoreUndo();
    combs_.RemoveLastApplied();
    Refresh();
}

void CombsService::ExcludeLastDrawsFromList(int n) {
    if (!MakeUndoCopy(true)) return;
    {
        BusyScope busy(p_.Busy, p_.Host, "");
        auto progress = [this](const std::string& text) { p_.Host.ShowProgress(text); };
        combs_.AssignList(ExcludeLastDraws(combs_.UndoList(), p_.Archive, n, progress));
        combs_.AddAppliedFilter(true, "Последние тиражи", std::to_string(n));
    }
    Refresh();
}

void CombsService::DeleteCombRows(const std::vector<int>& rows) {
    if (rows.empty() || !MakeUndoCopy(true)) return;
    {
        BusyScope busy(p_.Busy, p_.Host, "Удаление выделенных комбинаций...");
        combs_.DeleteRows(rows);
        combs_.AddAppliedFilter(true, "Выделенные комбинации", std::to_string(rows.size()));
    }
    Refresh();
}

bool CombsService::OpenCombsFile(const std::filesystem::path& file) {
    if (!MakeUndoCopy(true)) return false;
    bool loaded = true;
    {
        BusyScope busy(p_.Busy, p_.Host, Format("Загрузка файла \"%s\"...", {PathText(file)}));
        try {
            combs_.AssignList(ReadCombsFile(file));
        } catch (const std::exception& e) {
            p_.Host.ShowError(CombsReadErrorText(PathText(file), e.what()));
            loaded = false;
        }
    }
    if (!loaded) RestoreUndo(true);
    combs_.DropUndo();
    combs_.ClearApplied();
    Refresh();
    return loaded;
}

bool CombsService::SaveCombsFile(const std::filesystem::path& file) {
    BusyScope busy(p_.Busy, p_.Host, Format("Сохранение файла \"%s\"...", {PathText(file)}));
    try {
        WriteCombsFile(file, combs_.Current());
        return true;
    } catch (const std::exception& e) {
        p_.Host.ShowError(CombsWriteErrorText(PathText(file), e.what()));
        return false;
    }
}

void CombsService::PasteCombs(const std::string& text) {
    if (SplitLines(text).empty()) return;
    bool pasted = true;
    {
        BusyScope busy(p_.Busy, p_.Host, "Подождите пожалуйста...");
        if (!MakeUndoCopy(false)) return;
        try {
            combs_.AssignList(ParseClipboardText(text));
            combs_.ClearApplied();
        } catch (const std::exception& e) {
            p_.Host.ShowError(e.what());
            pasted = false;
        }
    }
    if (!pasted) RestoreUndo(true);
    combs_.DropUndo();
    Refresh();
}

std::string CombsService::CopyCombs(const std::vector<int>& rows) const {
    TCombsArray selected;
    for (int row : rows) {
        if (row >= 0 && row < combs_.CombCount()) selected.push_back(combs_.CombAt(row));
    }
    return CombsToClipboardText(selected);
}

void CombsService::ShowUniqueCombValues() {
    int count = 0;
    {
        BusyScope busy(p_.Busy, p_.Host, "Подождите пожалуйста...");
        count = UniqueValueCount(combs_.Current());
    }
    p_.Host.ShowInfo(Format("В текущем списке комбинаций содержится %d уникальных номеров", {count}));
}

void CombsService::FindCombInDraws(const TComb& comb) {
    constexpr size_t MaxHits = 26;
    std::vector<std::string> hits;
    {
        BusyScope busy(p_.Busy, p_.Host, "Поиск по архиву тиражей...");
        const TDrawsArray& draws = p_.Archive.Draws();
        for (auto it = draws.rbegin(); it != draws.rend() && hits.size() < MaxHits; ++it) {
            if (DrawCombMatches(*it, comb) == PositionCount) hits.push_back(DrawToStr(*it));
        }
    }
    if (hits.empty()) {
        p_.Host.ShowInfo("Выделенная комбинация не найдена архиве тиражей!");
        return;
    }
    std::string text = "Выделенная комбинация найдена в следующих тиражах:\r";
    for (const std::string& hit : hits)
        text += "\r" + hit;
    p_.Host.ShowInfo(text);
}

void CombsService::RunFilterPassOver(const TFilterSelection& selection, TCustomStat& stat, bool exclude,
                                     const std::string& source) {
    RunFilterPass(combs_, stat, selection, exclude, FilterRefIndex(p_.Archive), p_.Options.SortedDraws,
                  source);
}

bool CombsService::FilterByTableRows(const TStatTable& table, int entry, const std::string& source,
                                     const std::vector<int>& rows, bool exclude) {
    std::vector<const TStatRow*> chosen;
    for (int row : rows) {
        if (row >= 0 && row < static_cast<int>(table.Rows.size())) {
            chosen.push_back(&table.Rows[static_cast<size_t>(row)]);
        }
    }
    if (chosen.empty() || !MakeUndoCopy(true)) return false;
    bool done = false;
    {
        BusyScope busy(p_.Busy, p_.Host, "Фильтрация комбинаций...");
        try {
            auto stat = p_.Stats.CreateSelected(entry, "cbDrawsStat");
            RunFilterPassOver(SelectionFromStatRows(chosen), *stat, exclude, source);
            done = true;
        } catch (const std::exception& e) {
            p_.Host.ShowError(e.what());
        }
    }
    Refresh();
    return done;
}

bool CombsService::FilterByGridValues(const TFilterSelection& selection, bool exclude,
                                      const std::string& source) {
    if (!MakeUndoCopy(true)) return false;
    bool done = false;
    {
        BusyScope busy(p_.Busy, p_.Host, "Фильтрация комбинаций...");
        try {
            if (selection.Selected.empty()) throw Error("В выделенном диапазоне нет значений для фильтра!");
            const int nums = p_.Stats.IndexOfCode("NUMS");
            auto stat = p_.Stats.CreateSelected(nums, "NUMS");
            RunFilterPassOver(selection, *stat, exclude, source);
            done = true;
        } catch (const std::exception& e) {
            p_.Host.ShowError(e.what());
        }
    }
    Refresh();
    return done;
}

void CombsService::UndoEmptiedFilter() {
    RestoreUndo(true);
    combs_.AddUndoRow();
    Refresh();
}

}  // namespace quorvel
