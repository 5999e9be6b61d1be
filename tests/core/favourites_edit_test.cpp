#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/stats/favourites_edit.h"
#include "core/stats/stat_list.h"
#include "support/temp_dir.h"

namespace quorvel {
namespace {

TStatMethod Method(const TStatClass& statClass, int param) {
    TStatMethod entry;
    entry.StatClass = &statClass;
    entry.Param = param;
    return entry;
}

struct Catalogue {
    test::TempDir dir;
    TStatList stats{dir / "settings.ini"};
    Catalogue() { stats.Rebuild(); }

    int Index(const char* code) const { return stats.IndexOfCode(code); }
    FavouriteEdit& EditOf(FavouritesEdit& edit, const char* code) const {
        return edit.Entries.at(static_cast<size_t>(Index(code)));
    }
    const TStatMethod& Entry(const char* code) const {
        return stats.Items.at(static_cast<size_t>(Index(code)));
    }
    std::vector<std::string> ListedCodes() const {
        std::vector<std::string> codes;
        for (const auto& item : stats.MethodList(false))
            codes.push_back(stats.Items[static_cast<size_t>(item.Entry)].Code());
        return codes;
    }
};

TEST(FavouritesEdit, StartsFromTheCatalogueAsItIs) {
    Catalogue c;
    c.stats.ParseFavourites("EVEN,POS3");
    c.stats.Items[static_cast<size_t>(c.Index("NUMS"))].CustomName = "Мои числа";
    c.stats.Ordered = true;
    c.stats.ShowMethodFlags = false;
    FavouritesEdit edit = StartFavouritesEdit(c.stats);
    ASSERT_EQ(edit.Entries.size(), c.stats.Items.size());
    EXPECT_EQ(c.EditOf(edit, "NUMS"), (FavouriteEdit{false, "Мои числа"}));
    EXPECT_EQ(c.EditOf(edit, "EVEN"), (FavouriteEdit{true, "Количество четных чисел в тираже (Ч:Н)"}));
    EXPECT_EQ(c.EditOf(edit, "POS3"), (FavouriteEdit{true, "Число в 3 позиции тиража"}));
    EXPECT_TRUE(edit.Ordered);
    EXPECT_TRUE(edit.ShowGroupName);
    EXPECT_FALSE(edit.ShowMethodFlags);
}

TEST(FavouritesEdit, EqualMarksShowEveryMethodAndMixedMarksShowTheMarkedOnes) {
    Catalogue c;
    const size_t all = c.ListedCodes().size();
    for (bool mark : {false, true}) {
        c.stats.ParseFavourites("NUMS");
        FavouritesEdit edit = StartFavouritesEdit(c.stats);
        for (FavouriteEdit& entry : edit.Entries)
            entry.Favourite = mark;
        ApplyFavouritesEdit(c.stats, edit);
        EXPECT_TRUE(c.stats.ShowAll) << mark;
        EXPECT_EQ(c.stats.FavouritesText(), "");
        EXPECT_EQ(c.ListedCodes().size(), all);
        for (const TStatMethod& entry : c.stats.Items)
            EXPECT_TRUE(entry.Favourite) << entry.Code();
    }

    FavouritesEdit edit = StartFavouritesEdit(c.stats);
    for (FavouriteEdit& entry : edit.Entries)
        entry.Favourite = false;
    c.EditOf(edit, "NUMS").Favourite = true;
    c.EditOf(edit, "POS2").Favourite = true;
    ApplyFavouritesEdit(c.stats, edit);
    EXPECT_FALSE(c.stats.ShowAll);
    EXPECT_EQ(c.stats.FavouritesText(), "NUMS,POS2");
    EXPECT_EQ(c.ListedCodes(), (std::vector<std::string>{"NUMS", "POS2"}));
}

TEST(FavouritesEdit, ANameEqualToTheTitleInAnyLetterCaseIsNoCustomName) {
    Catalogue c;
    c.stats.Items[static_cast<size_t>(c.Index("DIGS"))].CustomName = "Старое имя";
    FavouritesEdit edit = StartFavouritesEdit(c.stats);
    c.EditOf(edit, "NUMS").Name = "ЧИСЛА ТИРАЖА";
    c.EditOf(edit, "DIGS").Name = "цифры тиража";
    c.EditOf(edit, "EVEN").Name = "Чётность";
    c.EditOf(edit, "POS1").Name = "Число в 1 позиции тиража ";  // a blank makes it another name
    edit.Ordered = true;
    edit.ShowGroupName = false;
    edit.ShowMethodFlags = false;
    ApplyFavouritesEdit(c.stats, edit);
    EXPECT_EQ(c.Entry("NUMS").CustomName, "");
    EXPECT_EQ(c.Entry("DIGS").CustomName, "");
    EXPECT_EQ(c.Entry("DIGS").Name(), "Цифры тиража");
    EXPECT_EQ(c.Entry("EVEN").CustomName, "Чётность");
    EXPECT_EQ(c.Entry("POS1").CustomName, "Число в 1 позиции тиража ");
    EXPECT_TRUE(c.stats.Ordered);
    EXPECT_FALSE(c.stats.ShowGroupName);
    EXPECT_FALSE(c.stats.ShowMethodFlags);
    EXPECT_EQ(c.stats.ListText(c.Index("EVEN"), true), "Чётность");
    EXPECT_EQ(CustomNameFor(c.Entry("POS2"), "число В 2 ПОЗИЦИИ тиража"), "");
}

TEST(FavouritesEdit, GroupsFollowTheFirstEntryOfEachAndSkipUnavailableClasses) {
    TStatClass channels, numbers, hidden, sums;
    channels.Group = 3;
    numbers.Group = 0;
    hidden.Group = 5;
    hidden.Available = false;
    sums.Group = 1;
    test::TempDir dir;
    TStatList stats(dir / "settings.ini");
    stats.Items = {Method(channels, 1), Method(numbers, 0), Method(hidden, 0),
                   Method(channels, 2), Method(sums, 0),    Method(numbers, 1)};
    const std::vector<FavouritesGroup> groups = FavouritesGroups(stats);
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0].Group, 3);
    EXPECT_EQ(groups[0].Entries, (std::vector<int>{0, 3}));
    EXPECT_EQ(groups[1].Group, 0);
    EXPECT_EQ(groups[1].Entries, (std::vector<int>{1, 5}));
    EXPECT_EQ(groups[2].Group, 1);
    EXPECT_EQ(groups[2].Entries, (std::vector<int>{4}));
    EXPECT_TRUE(FavouritesGroups(TStatList(dir / "settings.ini")).empty());
}

TEST(FavouritesEdit, ImportTakesTheFileNamesAndLeavesMarksAndCatalogueAlone) {
    Catalogue c;
    test::WriteBytes(c.dir / "names.flt",
                     "[FILTERS]\r\nFavorites=DIGS\r\nOrdered=1\r\n[STRINGS_RUS]\r\nNUMS=  Imported  \r\n");
    c.stats.Items[static_cast<size_t>(c.Index("EVEN"))].CustomName = "Своё";
    FavouritesEdit edit = StartFavouritesEdit(c.stats);
    c.EditOf(edit, "POS1").Favourite = false;
    c.EditOf(edit, "POS2").Name = "Typed";
    EXPECT_EQ(ImportFavouriteNames(c.stats, c.dir / "names.flt", edit), std::nullopt);
    EXPECT_EQ(c.EditOf(edit, "NUMS").Name, "Imported");
    // Entries without a name in the file go back to their titles.
    EXPECT_EQ(c.EditOf(edit, "EVEN").Name, "Количество четных чисел в тираже (Ч:Н)");
    EXPECT_EQ(c.EditOf(edit, "POS2").Name, "Число в 2 позиции тиража");
    EXPECT_FALSE(c.EditOf(edit, "POS1").Favourite);
    EXPECT_TRUE(c.EditOf(edit, "NUMS").Favourite);
    EXPECT_FALSE(edit.Ordered);
    EXPECT_EQ(c.Entry("EVEN").CustomName, "Своё");
    EXPECT_EQ(c.Entry("NUMS").CustomName, "");
    EXPECT_TRUE(c.stats.ShowAll);

    std::filesystem::create_directory(c.dir / "folder.flt");
    const FavouritesEdit before = edit;
    auto error = ImportFavouriteNames(c.stats, c.dir / "folder.flt", edit);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->rfind("Ошибка загрузки списка фильтров!\r\r", 0), 0u);
    EXPECT_EQ(edit.Entries, before.Entries);
}

TEST(FavouritesEdit, ExportWritesEveryShownNameAndKeepsTheCatalogueNames) {
    Catalogue c;
    test::WriteBytes(c.dir / "out.flt", "[STRINGS_ENU]\r\nNUMS=Numbers\r\n");
    c.stats.Items[static_cast<size_t>(c.Index("EVEN"))].CustomName = "Своё";
    FavouritesEdit edit = StartFavouritesEdit(c.stats);
    c.EditOf(edit, "NUMS").Name = "Мои числа";
    c.EditOf(edit, "NUMS").Favourite = false;
    EXPECT_EQ(ExportFavouriteNames(c.stats, edit, c.dir / "out.flt"), std::nullopt);
    EXPECT_EQ(c.Entry("NUMS").CustomName, "");
    EXPECT_EQ(c.Entry("EVEN").CustomName, "Своё");

    const std::string saved = test::ReadBytes(c.dir / "out.flt");
    EXPECT_EQ(saved.find("Favorites"), std::string::npos);
    EXPECT_NE(saved.find("NUMS=Numbers"), std::string::npos);  // other languages stay
    for (const TStatMethod& entry : c.stats.Items)
        EXPECT_NE(saved.find("\n" + entry.Code() + "="), std::string::npos) << entry.Code();

    // Read back, the file gives the names the manager showed.
    Catalogue other;
    FavouritesEdit read = StartFavouritesEdit(other.stats);
    EXPECT_EQ(ImportFavouriteNames(other.stats, c.dir / "out.flt", read), std::nullopt);
    for (size_t i = 0; i < read.Entries.size(); ++i)
        EXPECT_EQ(read.Entries[i].Name, edit.Entries[i].Name) << i;

    std::filesystem::create_directory(c.dir / "folder.flt");
    auto error = ExportFavouriteNames(c.stats, edit, c.dir / "folder.flt");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->rfind("Ошибка сохранения списка фильтров!\r\r", 0), 0u);
}

}  // namespace
}  // namespace quorvel
