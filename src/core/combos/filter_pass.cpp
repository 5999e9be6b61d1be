#include "core/combos/filter_pass.h"

#include "core/model/text_forms.h"
#include "core/util/text.h"

namespace quorvel {

namespace {

// Grid values enter the selection once, at their first occurrence.
void AddGridValue(TFilterSelection& selection, int value, const std::string& text) {
    const auto key = static_cast<uint16_t>(value);
    for (const TStatDraw& entry : selection.Selected) {
        if (entry.Key == std::array<uint16_t, 4>{key, 0, 0, 0}) return;
    }
    TStatDraw entry;
    entry.Key[0] = key;
    selection.Selected.push_back(entry);
    if (!selection.Description.empty()) selection.Description += "; ";
    selection.Description += text;
}

std::string WithoutBrackets(std::string_view word) {
    std::string plain;
    for (char c : word) {
        if (c != '[' && c != ']') plain += c;
    }
    return std::string(TrimBlanks(plain));
}

}  // namespace

TFilterSelection SelectionFromStatRows(const std::vector<const TStatRow*>& rows) {
    TFilterSelection selection;
    for (const TStatRow* row : rows) {
        selection.Selected.push_back(row->Entry);
        if (!selection.Description.empty()) selection.Description += "; ";
        selection.Description += row->Texts[0];
    }
    return selection;
}

TFilterSelection SelectionFromCardCells(const std::vector<std::string>& cells) {
    TFilterSelection selection;
    for (const std::string& cell : cells) {
        const std::string text(TrimBlanks(cell));
        if (!text.empty()) AddGridValue(selection, StrToValue(text), text);
    }
    return selection;
}

TFilterSelection SelectionFromLayoutCells(const std::vector<std::string>& cells) {
    TFilterSelection selection;
    for (const std::string& cell : cells) {
        if (TrimBlanks(cell).empty()) continue;
        for (std::string_view word : SplitEvery(cell, ",")) {
            const std::string text = WithoutBrackets(word);
            AddGridValue(selection, StrToValue(text), text);
        }
    }
    return selection;
}

TFilterSelection SelectionFromWeekColumns(const std::vector<int>& columns) {
    TFilterSelection selection;
    for (int column : columns)
        AddGridValue(selection, column - 1, std::to_string(column - 1));
    return selection;
}

int FilterRefIndex(const DrawArchive& archive) {
    const int ref = archive.Count() - 1 - archive.Offset();
    return ref < 0 ? 0 : ref;
}

void RunFilterPass(TCombList& list, TCustomStat& stat, const TFilterSelection& selection, bool exclude,
                   int refIndex, bool sorted, const std::string& source) {
    const std::span<const TComb> sourceList = list.UndoList();
    list.ResetList(static_cast<int>(sourceList.size()), 0);
    if (sourceList.empty()) return;
    stat.LoadDraws(-1, refIndex, sorted);
    const TSelection selected(selection.Selected);
    std::vector<uint8_t> matches;
    stat.MatchEach(selected, refIndex, sourceList, sorted, exclude, matches);
    list.AppendWhere(sourceList, matches, exclude ? 0 : 1);
    list.AddAppliedFilter(exclude, source, selection.Description);
}

}  // namespace quorvel
