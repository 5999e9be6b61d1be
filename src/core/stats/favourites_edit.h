#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/stats/stat_list.h"

namespace quorvel {

// What the favourites manager edits for one catalogue entry: its mark and the name shown.
struct FavouriteEdit {
    bool Favourite = true;
    std::string Name;
    bool operator==(const FavouriteEdit&) const = default;
};

// The manager's working copy of the catalogue: one edit per entry, in catalogue order, and
// the three list options. The catalogue itself changes only when the copy is applied.
struct FavouritesEdit {
    std::vector<FavouriteEdit> Entries;
    bool Ordered = false;
    bool ShowGroupName = true;
    bool ShowMethodFlags = true;
};

// The entries of one group as the manager's tree shows them.
struct FavouritesGroup {
    int Group = 0;
    std::vector<int> Entries;
};

FavouritesEdit StartFavouritesEdit(const TStatList& list);

// The groups that have available entries, in order of their first entry, each with its
// entries in catalogue order.
std::vector<FavouritesGroup> FavouritesGroups(const TStatList& list);

// The custom name an entry keeps for a shown name: none when the name is the entry's title,
// whatever its letter case, so the entry follows its title again.
std::string CustomNameFor(const TStatMethod& entry, const std::string& shownName);

// Confirmation of the manager: marks and names, favourites normalised (all marks equal means
// every method is shown), then the list options.
void ApplyFavouritesEdit(TStatList& list, const FavouritesEdit& edit);

// The shown names of a names file (without its favourites), the marks left as edited. On a
// failure the message to show is returned and the edit stays as it was.
std::optional<std::string> ImportFavouriteNames(const TStatList& list, const std::filesystem::path& file,
                                                FavouritesEdit& edit);

// Writes the shown names of every entry (titles included) to a names file without favourites.
// The catalogue keeps its own names. Returns the message to show on a failure.
std::optional<std::string> ExportFavouriteNames(const TStatList& list, const FavouritesEdit& edit,
                                                const std::filesystem::path& file);

}  // namespace quorvel
