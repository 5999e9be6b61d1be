#include <gtest/gtest.h>

#include <filesystem>

#include "core/stats/help_pages.h"
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

const TStatMethod& EntryOf(const TStatList& stats, const char* code) {
    return stats.Items.at(static_cast<size_t>(stats.IndexOfCode(code)));
}

struct Catalogue {
    test::TempDir dir;
    TStatList stats{dir / "settings.ini"};
    Catalogue() { stats.Rebuild(); }
};

TEST(MethodHelpPage, NamedByTheHelpTopicWithTheParameterFilledIn) {
    Catalogue c;
    EXPECT_EQ(MethodHelpPageName(EntryOf(c.stats, "NUMS")), "Filters_1049_NUMS.htm");
    // The positions share one page.
    EXPECT_EQ(MethodHelpPageName(EntryOf(c.stats, "POS1")), "Filters_1049_POSx.htm");
    EXPECT_EQ(MethodHelpPageName(EntryOf(c.stats, "POS3")), "Filters_1049_POSx.htm");
    // The pages of another language carry its number.
    EXPECT_EQ(MethodHelpPageName(EntryOf(c.stats, "POS3"), 1033), "Filters_1033_POSx.htm");
    EXPECT_EQ(HelpMainPageName(1033), "Pelmor_ENU.htm");
    EXPECT_EQ(HelpMainPageName(), "Pelmor_RUS.htm");

    TStatClass ranged;
    ranged.CodeFormat = "SUM%d";
    EXPECT_EQ(MethodHelpPageName(Method(ranged, 2)), "Filters_1049_SUM2.htm");
}

TEST(MethodHelpPage, OnlyAPageThatIsThereIsFound) {
    Catalogue c;
    const std::filesystem::path programDir = c.dir / "program";
    const TStatMethod& pos2 = EntryOf(c.stats, "POS2");
    EXPECT_EQ(MethodHelpPage(pos2, programDir), std::filesystem::path());

    std::filesystem::create_directories(programDir / "help");
    test::WriteBytes(programDir / "help" / "Filters_1049_POSx.htm", "<html></html>");
    EXPECT_EQ(MethodHelpPage(pos2, programDir), programDir / "help" / "Filters_1049_POSx.htm");
    EXPECT_EQ(MethodHelpPage(EntryOf(c.stats, "NUMS"), programDir), std::filesystem::path());
    // A page of another language or a folder by the page's name is no page.
    test::WriteBytes(programDir / "help" / "Filters_1033_NUMS.htm", "<html></html>");
    std::filesystem::create_directory(programDir / "help" / "Filters_1049_NUMS.htm");
    EXPECT_EQ(MethodHelpPage(EntryOf(c.stats, "NUMS"), programDir), std::filesystem::path());
    // Pages are looked for in the help folder only.
    test::WriteBytes(programDir / "Filters_1049_DIGS.htm", "<html></html>");
    EXPECT_EQ(MethodHelpPage(EntryOf(c.stats, "DIGS"), programDir), std::filesystem::path());
}

TEST(MethodHelpPage, ATopicThatDoesNotTakeTheParameterHasNoPage) {
    test::TempDir dir;
    TStatClass broken;
    broken.CodeFormat = "BAD%s";
    std::filesystem::create_directories(dir / "help");
    EXPECT_EQ(MethodHelpPage(Method(broken, 1), dir.Path()), std::filesystem::path());
}

}  // namespace
}  // namespace quorvel
