#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <regex>
#include <set>
#include <string>

#include "model/text_forms.h"
#include "stats/help_examples.h"
#include "stats/help_pages.h"
#include "stats/help_texts.h"
#include "stats/help_writer.h"
#include "stats/stat_list.h"
#include "support/temp_dir.h"

namespace quorvel {
namespace {

// The pages are written once; every test reads them as the program would find them.
class HelpPages : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<test::TempDir>();
        written_ = WriteHelpPages(HelpFolder(ProgramDir()));
        stats_ = std::make_unique<TStatList>(*dir_ / "settings.ini");
        stats_->Rebuild();
    }
    static void TearDownTestSuite() {
        stats_.reset();
        dir_.reset();
    }
    static std::filesystem::path ProgramDir() { return dir_->Path(); }
    static const TStatMethod& Entry(const char* code) {
        return stats_->Items.at(static_cast<size_t>(stats_->IndexOfCode(code)));
    }
    static std::string PageOf(const char* code) {
        return test::ReadBytes(MethodHelpPage(Entry(code), ProgramDir()));
    }
    // The part of a page that describes one entry: from its heading to the next one.
    static std::string SectionOf(const char* code) {
        const std::string page = PageOf(code);
        const size_t start = page.find("<h2 id=\"" + std::string(code) + "\"");
        if (start == std::string::npos) return {};
        return page.substr(start, page.find("<h2 ", start + 1) - start);
    }
    static const TDraw& Newest() { return HelpExampleDraws().back(); }
    static std::string NewestValuesText(const std::string& values) {
        return "Тираж № " + std::to_string(Newest().Number) + " (" + CombToStr(CombOfDraw(Newest())) +
               ") дает значения: " + values + ".";
    }
    static std::string Value(int value) {
        return "<span class=\"value\">" + std::to_string(value) + "</span>";
    }

    static inline std::unique_ptr<test::TempDir> dir_;
    static inline std::unique_ptr<TStatList> stats_;
    static inline int written_ = 0;
};

TEST_F(HelpPages, EveryCatalogueCodeHasItsPage) {
    ASSERT_EQ(stats_->Count(), 145);
    std::set<std::filesystem::path> pages;
    for (const TStatMethod& entry : stats_->Items) {
        const std::filesystem::path page = MethodHelpPage(entry, ProgramDir());
        ASSERT_FALSE(page.empty()) << entry.Code();
        EXPECT_NE(test::ReadBytes(page).find("<h2 id=\"" + entry.Code() + "\""), std::string::npos)
            << entry.Code();
        pages.insert(page);
    }
    // The parameters of one class share a page; the main page comes on top.
    EXPECT_LT(pages.size(), 145u);
    EXPECT_EQ(static_cast<int>(pages.size()) + 1, written_);
    EXPECT_FALSE(HelpMainPage(ProgramDir()).empty());
}

TEST_F(HelpPages, EveryPageIsUtf8AndLinksBackToTheMainPage) {
    for (const auto& file : std::filesystem::directory_iterator(HelpFolder(ProgramDir()))) {
        const std::string html = test::ReadBytes(file.path());
        EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos) << file.path();
        if (file.path().filename() == HelpMainPageName()) continue;
        EXPECT_NE(html.find("<a href=\"" + HelpMainPageName() + "\">"), std::string::npos) << file.path();
    }
}

TEST_F(HelpPages, TheMainPageLinksToEveryMethodPageAndEveryCode) {
    const std::string main = test::ReadBytes(HelpMainPage(ProgramDir()));
    std::set<std::string> linkedPages;
    std::set<std::string> linkedCodes;
    const std::regex link("href=\"(Filters_1049_[^\"#]+\\.htm)#([^\"]+)\"");
    for (auto it = std::sregex_iterator(main.begin(), main.end(), link); it != std::sregex_iterator(); ++it) {
        linkedPages.insert((*it)[1]);
        linkedCodes.insert((*it)[2]);
    }
    std::set<std::string> files;
    for (const auto& file : std::filesystem::directory_iterator(HelpFolder(ProgramDir()))) {
        if (file.path().filename() != HelpMainPageName()) files.insert(file.path().filename().string());
    }
    EXPECT_EQ(linkedPages, files);
    EXPECT_EQ(linkedCodes.size(), 145u);
    for (const char* anchor :
         {"archive", "statistics", "filtering", "scenarios", "backtest", "stakes", "rating"})
        EXPECT_NE(main.find("<h2 id=\"" + std::string(anchor) + "\">"), std::string::npos) << anchor;
}

TEST_F(HelpPages, ExampleValuesAreWhatTheMethodsCompute) {
    const auto& v = Newest().Values;
    EXPECT_NE(SectionOf("SUMS").find(NewestValuesText(Value(v[0] + v[1] + v[2]))), std::string::npos);
    EXPECT_NE(SectionOf("POS2").find(NewestValuesText(Value(v[1]))), std::string::npos);
    EXPECT_NE(SectionOf("POS3").find(NewestValuesText(Value(v[2]))), std::string::npos);
    const int spread = *std::max_element(v.begin(), v.end()) - *std::min_element(v.begin(), v.end());
    EXPECT_NE(SectionOf("DIFD").find(NewestValuesText(Value(spread))), std::string::npos);
    const int evens =
        static_cast<int>(std::count_if(v.begin(), v.end(), [](uint8_t x) { return x % 2 == 0; }));
    const std::string ratio =
        "<span class=\"value\">" + std::to_string(evens) + ":" + std::to_string(3 - evens) + "</span>";
    EXPECT_NE(SectionOf("EVEN").find(NewestValuesText(ratio)), std::string::npos);
}

TEST_F(HelpPages, TheFilterExampleCountsTheCombinationsLeft) {
    // NUMS selects the smallest value of the newest draw: 271 combinations hold any one value.
    const int smallest = *std::min_element(Newest().Values.begin(), Newest().Values.end());
    const std::string nums = SectionOf("NUMS");
    EXPECT_NE(nums.find("выделена строка " + Value(smallest)), std::string::npos);
    EXPECT_NE(nums.find("<span class=\"kept\">271</span>"), std::string::npos);
    EXPECT_NE(nums.find("<span class=\"removed\">729</span>"), std::string::npos);
    // POS1 selects the first value: a tenth of the combinations carry it there.
    const std::string pos1 = SectionOf("POS1");
    EXPECT_NE(pos1.find("выделена строка " + Value(Newest().Values[0])), std::string::npos);
    EXPECT_NE(pos1.find("<span class=\"kept\">100</span>"), std::string::npos);
    EXPECT_NE(pos1.find("<span class=\"removed\">900</span>"), std::string::npos);
}

TEST_F(HelpPages, FullSetValuesListEveryValueWithItsCombinations) {
    const std::vector<HelpValueRow> sums = HelpFullSetValues(*stats_, Entry("SUMS"));
    ASSERT_EQ(sums.size(), 28u);  // 0..27
    int total = 0;
    for (const HelpValueRow& row : sums)
        total += row.Count;
    EXPECT_EQ(total, 1000);
    EXPECT_EQ(sums.front().Text, "0");
    EXPECT_EQ(sums.front().Count, 1);
    EXPECT_EQ(sums[13].Count, 75);  // the most frequent sums, 13 and 14
    // Methods that look at earlier draws have no full-set values.
    EXPECT_TRUE(HelpFullSetValues(*stats_, Entry("RPV2")).empty());
}

TEST_F(HelpPages, EveryTopicAndGroupHasItsOwnText) {
    for (const HelpPageEntries& page : HelpPagesOf(*stats_)) {
        const TStatMethod& first = *page.Entries.front();
        const std::string topic = page.PageName.substr(13, page.PageName.size() - 13 - 4);
        EXPECT_FALSE(TopicHelpText(topic).empty()) << topic;
        EXPECT_NE(PageOf(first.Code().c_str()).find(std::string(TopicHelpText(topic))), std::string::npos)
            << topic;
    }
    for (int group = 0; group < StatGroupCount; ++group)
        EXPECT_FALSE(GroupHelpText(group).empty()) << group;
    EXPECT_TRUE(GroupHelpText(StatGroupCount).empty());
    EXPECT_TRUE(TopicHelpText("NOPE").empty());
}

TEST(HelpAddress, OnlyForAPageThatIsThere) {
    test::TempDir dir;
    TStatList stats(dir / "settings.ini");
    stats.Rebuild();
    const TStatMethod& pos2 = stats.Items.at(static_cast<size_t>(stats.IndexOfCode("POS2")));
    const std::filesystem::path programDir = dir / "my program";
    EXPECT_EQ(HelpUrl(pos2, programDir), "");
    EXPECT_EQ(HelpMainPage(programDir), std::filesystem::path());
    std::filesystem::create_directories(programDir / "help");
    test::WriteBytes(programDir / "help" / "Filters_1049_POSx.htm", "<html></html>");
    test::WriteBytes(programDir / "help" / "Pelmor_RUS.htm", "<html></html>");
    // The blank of the folder name is encoded; the page is the one the positions share.
    const std::string url = HelpUrl(pos2, programDir);
    EXPECT_EQ(url.rfind("file:///", 0), 0u) << url;
    EXPECT_NE(url.find("/my%20program/help/Filters_1049_POSx.htm"), std::string::npos) << url;
    EXPECT_EQ(HelpMainPage(programDir), programDir / "help" / "Pelmor_RUS.htm");
}

TEST(HelpWriting, AFolderThatCannotBeMadeFails) {
    test::TempDir dir;
    test::WriteBytes(dir / "help", "a file, not a folder");
    EXPECT_ANY_THROW(WriteHelpPages(dir / "help"));
}

}  // namespace
}  // namespace quorvel
