#include "core/app/workspace.h"
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

void Workspace::RefreshCombs() {
    listeners_.TellAll([&](WorkspaceListener& listener) { listener.CombsRefreshed(); });
}

void Workspace::GenerateCombsList(const TCombsGenerateParams& params, bool showProgress) {
    {
        BusyScope busy(busy_, host_, showProgress ? "Генерация возможных комбинаций..." : "");
        combs_.ResetList(CombinationCount, 0);
        try {
            combs_.AssignList(GenerateCombs(params));
        } catch (const std::exception& e) {
            host_.ShowError(ActionError("Ошибка генерации файла комбинаций!\r\r%s", e.what()));
        }
        if (showProgress) {
            combs_.ClearApplied();
            combs_.DropUndo();
            combs_.EmptyBuffer();
        }
    }
    RefreshCombs();
}

void Workspace::GenerateStartList() {
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
    RefreshCombs();
}

TCombsGenerateParams Workspace::StoredGenerateParams() const {
    return {stats_.CombsGenerateMode, stats_.CombsGenerateParameters};
}

void Workspace::StoreGenerateParams(const TCombsGenerateParams& params) {
    stats_.CombsGenerateMode = static_cast<uint8_t>(params.Mode);
    stats_.CombsGenerateParameters = params.Parameters;
    BusyScope busy(busy_, host_, "Сохранение файла конфигурации...");
    try {
        stats_.SaveCombsGenerate();
    } catch (const std::exception& e) {
        host_.ShowError(ActionError("Ошибка записи в файл конфигурации!\r\r%s", e.what()));
    }
}

bool Workspace::MakeUndoCopy(bool showProgress) {
    BusyScope busy(busy_, host_, showProgress ? "Создание файла отката..." : "");
    try {
        combs_.MakeUndoCopy();
        return true;
    } catch (const std::exception& e) {
        combs_.DropUndo();
        host_.ShowError(e.what());
        return false;
    }
}

void Workspace::RestoreUndo(bool showProgress) {
    {
        BusyScope busy(busy_, host_, showProgress ? "Отмена изменений..." : "");
        combs_.RestoreUndo();
    }
    RefreshCombs();
}

void Workspace::UndoCombs() {
    if (combs_.UndoCount() == 0) return;
    combs_.RestoreUndo();
    combs_.RemoveLastApplied();
    RefreshCombs();
}

void Workspace::ExcludeLastDrawsFromList(int n) {
    if (!MakeUndoCopy(true)) return;
    {
        BusyScope busy(busy_, host_, "");
        auto progress = [this](const std::string& text) { host_.ShowProgress(text); };
        combs_.AssignList(ExcludeLastDraws(combs_.UndoList(), archive_, n, progress));
        combs_.AddAppliedFilter(true, "Последние тиражи", std::to_string(n));
    }
    RefreshCombs();
}

void Workspace::DeleteCombRows(const std::vector<int>& rows) {
    if (rows.empty() || !MakeUndoCopy(true)) return;
    {
        BusyScope busy(busy_, host_, "Удаление выделенных комбинаций...");
        combs_.DeleteRows(rows);
        combs_.AddAppliedFilter(true, "Выделенные комбинации", std::to_string(rows.size()));
    }
    RefreshCombs();
}

bool Workspace::OpenCombsFile(const std::filesystem::path& file) {
    if (!MakeUndoCopy(true)) return false;
    bool loaded = true;
    {
        BusyScope busy(busy_, host_, Format("Загрузка файла \"%s\"...", {PathText(file)}));
        try {
            combs_.AssignList(ReadCombsFile(file));
        } catch (const std::exception& e) {
            host_.ShowError(CombsReadErrorText(PathText(file), e.what()));
            loaded = false;
        }
    }
    if (!loaded) RestoreUndo(true);
    combs_.DropUndo();
    combs_.ClearApplied();
    RefreshCombs();
    return loaded;
}

bool Workspace::SaveCombsFile(const std::filesystem::path& file) {
    BusyScope busy(busy_, host_, Format("Сохранение файла \"%s\"...", {PathText(file)}));
    try {
        WriteCombsFile(file, combs_.Current());
        return true;
    } catch (const std::exception& e) {
        host_.ShowError(CombsWriteErrorText(PathText(file), e.what()));
        return false;
    }
}

void Workspace::PasteCombs(const std::string& text) {
    if (SplitLines(text).empty()) return;
    bool pasted = true;
    {
        BusyScope busy(busy_, host_, "Подождите пожалуйста...");
        if (!MakeUndoCopy(false)) return;
        try {
            combs_.AssignList(ParseClipboardText(text));
            combs_.ClearApplied();
        } catch (const std::exception& e) {
            host_.ShowError(e.what());
            pasted = false;
        }
    }
    if (!pasted) RestoreUndo(true);
    combs_.DropUndo();
    RefreshCombs();
}

std::string Workspace::CopyCombs(const std::vector<int>& rows) const {
    TCombsArray selected;
    for (int row : rows) {
        if (row >= 0 && row < combs_.CombCount()) selected.push_back(combs_.CombAt(row));
    }
    return CombsToClipboardText(selected);
}

void Workspace::ShowUniqueCombValues() {
    int count = 0;
    {
        BusyScope busy(busy_, host_, "Подождите пожалуйста...");
        count = UniqueValueCount(combs_.Current());
    }
    host_.ShowInfo(Format("В текущем списке комбинаций содержится %d уникальных номеров", {count}));
}

void Workspace::FindCombInDraws(const TComb& comb) {
    constexpr size_t MaxHits = 26;
    std::vector<std::string> hits;
    {
        BusyScope busy(busy_, host_, "Поиск по архиву тиражей...");
        const TDrawsArray& draws = archive_.Draws();
        for (auto it = draws.rbegin(); it != draws.rend() && hits.size() < MaxHits; ++it) {
            if (DrawCombMatches(*it, comb) == PositionCount) hits.push_back(DrawToStr(*it));
        }
    }
    if (hits.empty()) {
        host_.ShowInfo("Выделенная комбинация не найдена архиве тиражей!");
        return;
    }
    std::string text = "Выделенная комбинация найдена в следующих тиражах:\r";
    for (const std::string& hit : hits)
        text += "\r" + hit;
    host_.ShowInfo(text);
}

void Workspace::RunFilterPassOver(const TFilterSelection& selection, TCustomStat& stat, bool exclude,
                                  const std::string& source) {
    RunFilterPass(combs_, stat, selection, exclude, FilterRefIndex(archive_), options_.SortedDraws, source);
}

bool Workspace::FilterByStatRows(const std::vector<int>& rows, bool exclude) {
    ShowLastStepTable();
    const bool known = statTable_.Entry >= 0 && statTable_.Entry < stats_.Count();
    return FilterByTableRows(statTable_.Table, statTable_.Entry,
                             known ? stats_.ListText(statTable_.Entry, true) : std::string(), rows, exclude);
}

bool Workspace::FilterByTableRows(const TStatTable& table, int entry, const std::string& source,
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
        BusyScope busy(busy_, host_, "Фильтрация комбинаций...");
        try {
            auto stat = stats_.CreateSelected(entry, "cbDrawsStat");
            RunFilterPassOver(SelectionFromStatRows(chosen), *stat, exclude, source);
            done = true;
        } catch (const std::exception& e) {
            host_.ShowError(e.what());
        }
    }
    RefreshCombs();
    return done;
}

bool Workspace::FilterByGridValues(const TFilterSelection& selection, bool exclude,
                                   const std::string& source) {
    if (!MakeUndoCopy(true)) return false;
    bool done = false;
    {
        BusyScope busy(busy_, host_, "Фильтрация комбинаций...");
        try {
            if (selection.Selected.empty()) throw Error("В выделенном диапазоне нет значений для фильтра!");
            const int nums = stats_.IndexOfCode("NUMS");
            auto stat = stats_.CreateSelected(nums, "NUMS");
            RunFilterPassOver(selection, *stat, exclude, source);
            done = true;
        } catch (const std::exception& e) {
            host_.ShowError(e.what());
        }
    }
    RefreshCombs();
    return done;
}

}  // namespace quorvel
