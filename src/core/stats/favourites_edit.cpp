#include "core/stats/favourites_edit.h"

#include <algorithm>

#include "core/util/text.h"

namespace quorvel {

namespace {

// Names only: an edit list shorter or longer than the catalogue touches the common part.
void ApplyNames(TStatList& list, const FavouritesEdit& edit) {
    const size_t count = std::min(list.Items.size(), edit.Entries.size());
    for (size_t i = 0; i < count; ++i) {
        list.Items[i].CustomName = CustomNameFor(list.Items[i], edit.Entries[i].Name);
    }
}

}  // namespace

FavouritesEdit StartFavouritesEdit(const TStatList& list) {
    FavouritesEdit edit;
    edit.Entries.reserve(list.Items.size());
    for (const TStatMethod& entry : list.Items)
        edit.Entries.push_back({entry.Favourite, entry.Name()});
    edit.Ordered = list.Ordered;
    edit.ShowGroupName = list.ShowGroupName;
    edit.ShowMethodFlags = list.ShowMethodFlags;
    return edit;
}

std::vector<FavouritesGroup> FavouritesGroups(const TStatList& list) {
    std::vector<FavouritesGroup> groups;
    for (int i = 0; i < list.Count(); ++i) {
        const TStatClass& statClass = *list.Items[static_cast<size_t>(i)].StatClass;
        if (!statClass.Available) continue;
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const FavouritesGroup& g) { return g.Group == statClass.Group; });
        if (group == groups.end()) group = groups.insert(groups.end(), FavouritesGroup{statClass.Group, {}});
        group->Entries.push_back(i);
    }
    return groups;
}

std::string CustomNameFor(const TStatMethod& entry, const std::string& shownName) {
    return SameTextIgnoringCase(shownName, entry.Title()) ? std::string() : shownName;
}

void ApplyFavouritesEdit(TStatList& list, const FavouritesEdit& edit) {
    const size_t count = std::min(list.Items.size(), edit.Entries.size());
    for (size_t i = 0; i < count; ++i)
        list.Items[i].Favourite = edit.Entries[i].Favourite;
    ApplyNames(list, edit);
    list.NormalizeFavourites();
    list.Ordered = edit.Ordered;
    list.ShowGroupName = edit.ShowGroupName;
    list.ShowMethodFlags = edit.ShowMethodFlags;
}

std::optional<std::string> ImportFavouriteNames(const TStatList& list, const std::filesystem::path& file,
                                                FavouritesEdit& edit) {
    TStatList scratch = list;
    if (auto error = scratch.LoadNames(file, false)) return error;
    const size_t count = std::min(scratch.Items.size(), edit.Entries.size());
    for (size_t i = 0; i < count; ++i)
        edit.Entries[i].Name = scratch.Items[i].Name();
    return std::nullopt;
}

std::optional<std::string> ExportFavouriteNames(const TStatList& list, const FavouritesEdit& edit,
                                                const std::filesystem::path& file) {
    TStatList scratch = list;
    ApplyNames(scratch, edit);
    return scratch.SaveNames(file, false, true);
}

}  // namespace quorvel
