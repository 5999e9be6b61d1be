#include "core/stats/stat_list.h"
#include "core/util/format.h"
#include "core/util/ini_file.h"
#include "core/util/text.h"

namespace quorvel {

std::optional<std::string> TStatList::LoadNames(const std::filesystem::path& file, bool withFavourites) {
    try {
        const TIniFile ini = TIniFile::Load(file);
        if (withFavourites) {
            ParseFavourites(ini.ReadString("FILTERS", "Favorites", FavouritesText()));
            // Codes that name no entry (a hand-edited file, or channels gone with a smaller
            // channel size) would leave the method lists empty until the next start, where
            // the empty text written back shows every method: show every method at once.
            NormalizeFavourites();
            Ordered = ini.ReadBool("FILTERS", "Ordered", Ordered);
            ShowGroupName = ini.ReadBool("FILTERS", "ShowGroupName", ShowGroupName);
            ShowMethodFlags = ini.ReadBool("FILTERS", "ShowMethodFlags", ShowMethodFlags);
        }
        const std::string section = NamesSection();
        for (TStatMethod& entry : Items) {
            entry.CustomName = std::string(TrimBlanks(ini.ReadString(section, entry.Code(), "")));
        }
    } catch (const std::exception& e) {
        return Format("Ошибка загрузки списка фильтров!\r\r%s", {std::string(e.what())});
    }
    return std::nullopt;
}

std::optional<std::string> TStatList::SaveNames(const std::filesystem::path& file, bool withFavourites,
                                                bool allNames) const {
    try {
        TIniFile ini = TIniFile::Load(file);
        if (withFavourites) {
            ini.WriteString("FILTERS", "Favorites", FavouritesText());
            ini.WriteBool("FILTERS", "Ordered", Ordered);
            ini.WriteBool("FILTERS", "ShowGroupName", ShowGroupName);
            ini.WriteBool("FILTERS", "ShowMethodFlags", ShowMethodFlags);
        }
        const std::string section = NamesSection();
        ini.EraseSection(section);
        for (const TStatMethod& entry : Items) {
            if (allNames) {
                ini.WriteString(section, entry.Code(), entry.Name());
            } else if (!entry.CustomName.empty()) {
                ini.WriteString(section, entry.Code(), entry.CustomName);
            }
        }
        ini.Save(file);
    } catch (const std::exception& e) {
        return Format("Ошибка сохранения списка фильтров!\r\r%s", {std::string(e.what())});
    }
    return std::nullopt;
}

}  // namespace quorvel
