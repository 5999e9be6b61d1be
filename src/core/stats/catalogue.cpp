#include <algorithm>

#include "core/stats/custom_stat.h"
#include "core/stats/registry.h"
#include "core/stats/stat_list.h"
#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/text.h"

namespace quorvel {

namespace {

constexpr int ShreddingGroup = 12;

}  // namespace

void TStatList::Rebuild() {
    Ordered = false;
    ShowGroupName = true;
    ShowMethodFlags = true;
    ShowAll = true;
    Items.clear();
    for (const TStatClass& statClass : RegisteredClasses()) {
        if (!statClass.Available) continue;
        const auto [min, max] =
            statClass.HasParamRange() ? statClass.ParamRange(*this) : std::pair<int, int>{0, 0};
        for (int p = min; p <= max; ++p) {
            TStatMethod entry;
            entry.StatClass = &statClass;
            entry.Param = p;
            if (statClass.Group == ShreddingGroup) {
                entry.Formula = p == 1 ? Formula1 : p == 2 ? Formula2 : p == 3 ? Formula3 : std::string();
            }
            Items.push_back(std::move(entry));
        }
    }
}

std::string TStatList::ListText(int i, bool withFeatures) const {
    const TStatMethod& entry = Items[static_cast<size_t>(i)];
    std::string text = entry.DisplayName();
    if (ShowGroupName) text = Format("{ %1:s } %0:s", {text, GroupShortName(entry.StatClass->Group)});
    if (withFeatures && ShowMethodFlags) {
        const std::string letters = FeatureLetters(entry.StatClass->DisplayFlags());
        if (!letters.empty()) text = Format("%0:s [ %1:s ]", {text, letters});
    }
    return text;
}

void TStatList::SelectAll() {
    ShowAll = true;
    for (TStatMethod& entry : Items)
        entry.Favourite = true;
}

void TStatList::NormalizeFavourites() {
    const bool allSame = std::all_of(Items.begin(), Items.end(), [&](const TStatMethod& e) {
        return e.Favourite == Items.front().Favourite;
    });
    if (allSame) {
        SelectAll();
    } else {
        ShowAll = false;
    }
}

std::string TStatList::FavouritesText() const {
    if (ShowAll) return {};
    std::vector<std::string> codes;
    for (const TStatMethod& entry : Items) {
        if (entry.Favourite) codes.push_back(entry.Code());
    }
    return Join(codes, ",");
}

void TStatList::ParseFavourites(std::string_view text) {
    if (TrimBlanks(text).empty()) {
        SelectAll();
        return;
    }
    ShowAll = false;
    std::vector<std::string> words;
    for (std::string_view word : SplitEvery(text, ","))
        words.push_back(LowerCase(word));
    for (TStatMethod& entry : Items) {
        entry.Favourite = std::find(words.begin(), words.end(), LowerCase(entry.Code())) != words.end();
    }
}

int TStatList::IndexOfCode(std::string_view code) const {
    for (int i = 0; i < Count(); ++i) {
        if (SameTextIgnoringCase(Items[static_cast<size_t>(i)].Code(), code)) return i;
    }
    return -1;
}

bool TStatList::IsOffered(int entry, bool graphs) const {
    if (entry < 0 || entry >= Count()) return false;
    const TStatClass& statClass = *Items[static_cast<size_t>(entry)].StatClass;
    return statClass.Available && statClass.Selectable && IsShown(entry) && (!graphs || statClass.Graph);
}

std::vector<TStatList::MethodListItem> TStatList::MethodList(bool graphs) const {
    std::vector<MethodListItem> items;
    for (int i = 0; i < Count(); ++i) {
        if (IsOffered(i, graphs)) items.push_back({i, ListText(i, true)});
    }
    if (Ordered) {
        std::stable_sort(items.begin(), items.end(), [](const MethodListItem& a, const MethodListItem& b) {
            return LowerCase(a.Text) < LowerCase(b.Text);
        });
    }
    return items;
}

std::unique_ptr<TCustomStat> TStatList::CreateSelected(int entry, std::string_view listName) const {
    if (entry < 0 || entry >= Count()) {
        throw Error(Format("Не выбран метод расчета статистики (cb: %s)!", {std::string(listName)}));
    }
    return Items[static_cast<size_t>(entry)].CreateStat(*this);
}

}  // namespace quorvel
