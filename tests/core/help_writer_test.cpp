#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/model/text_forms.h"
#include "core/stats/help_examples.h"
#include "core/stats/help_pages.h"
#include "core/stats/help_texts.h"
#include "core/stats/help_writer.h"
#include "core/stats/stat_class.h"
#include "core/stats/stat_list.h"
#include "core/util/text.h"
#include "support/temp_dir.h"

namespace quorvel {
namespace {

constexpr int Russian = HelpPagesLanguage;
constexpr int English = EnglishHelpLanguage;

// Cyrillic letters take the lead bytes 0xD0..0xD4 in UTF-8; no other byte of a valid text does.
bool HasCyrillic(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0xD0 && byte <= 0xD4;
    });
}

void EraseAll(std::string& text, const std::string& part) {
    if (part.empty()) return;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at))
        text.erase(at, part.size());
}

// What a page shows that the methods computed: values, counts, the example draws.
std::vector<std::string> ComputedParts(const std::string& html) {
    static const std::regex computed(
        "<span class=\"(?:value|kept|removed)\">[^<]*</span>|<td>[^<]*</td>|<td colspan=\"2\">[^<]*</td>");
    std::vector<std::string> parts;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), computed); it != std::sregex_iterator();
         ++it)
        parts.push_back(it->str());
    return parts;
}

// The pages are written once; every test reads them as the program would find them.
class HelpPages : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<test::TempDir>();
        written_ = WriteHelpPages(HelpFolder(ProgramDir()));
        stats_ = std::make_unique<TStatList>(*dir_ / "settings.ini");
        stats_->Rebuild();
        exampleStats_ = std::make_unique<TStatList>(*dir_ / "example.ini");
        exampleStats_->SetDraws(&HelpExampleDraws());
        exampleStats_->Rebuild();
    }
    static void TearDownTestSuite() {
        exampleStats_.reset();
        stats_.reset();
        dir_.reset();
    }
    static std::filesystem::path ProgramDir() { return dir_->Path(); }
    static const TStatMethod& Entry(const char* code) {
        return stats_->Items.at(static_cast<size_t>(stats_->IndexOfCode(code)));
    }
    static std::string PageOf(const char* code, int language = Russian) {
        return test::ReadBytes(MethodHelpPage(Entry(code), ProgramDir(), language));
    }
    // The part of a page that describes one entry: from its heading to the next one.
    static std::string SectionOf(const char* code, int language = Russian) {
        const std::string page = PageOf(code, language);
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
    // The files of one language's pages in the folder, without the main page.
    static std::set<std::string> MethodPageFiles(int language) {
        const std::string prefix = "Filters_" + std::to_string(language) + "_";
        std::set<std::string> files;
        for (const auto& file : std::filesystem::directory_iterator(HelpFolder(ProgramDir()))) {
            const std::string name = file.path().filename().string();
            if (name.rfind(prefix, 0) == 0) files.insert(name);
        }
        return files;
    }
    // Every text on the page the catalogue or the methods gave: method names and value texts.
    static std::vector<std::string> CatalogueTexts(const HelpPageEntries& page) {
        std::vector<std::string> texts;
        for (const TStatMethod* entry : page.Entries) {
            texts.push_back(entry->DisplayName());
            const HelpMethodExample example = ComputeHelpExample(*exampleStats_, *entry);
            for (const HelpValueRow& row : example.Rows)
                texts.push_back(row.Text);
            for (const HelpValueRow& row : HelpFullSetValues(*exampleStats_, *entry))
                texts.push_back(row.Text);
            texts.insert(texts.end(), example.ListedValues.begin(), example.ListedValues.end());
            texts.push_back(example.SelectedText);
        }
        // The longest first, so that no text is cut by a shorter one inside it.
        std::sort(texts.begin(), texts.end(),
                  [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
        return texts;
    }

    static inline std::unique_ptr<TStatList> stats_;
    static inline std::unique_ptr<TStatList> exampleStats_;
    static inline int written_ = 0;
};

TEST_F(HelpPages, EveryCatalogueCodeHasItsPageInEveryLanguage) {
    ASSERT_EQ(stats_->Count(), 145);
    int files = 0;
    for (int language : HelpLanguages) {
        std::set<std::filesystem::path> pages;
        for (const TStatMethod& entry : stats_->Items) {
            const std::filesystem::path page = MethodHelpPage(entry, ProgramDir(), language);
            ASSERT_FALSE(page.empty()) << entry.Code() << " " << language;
            // Each language has pages of its own, not the fallback.
            EXPECT_EQ(page.filename(), MethodHelpPageName(entry, language));
            EXPECT_NE(test::ReadBytes(page).find("<h2 id=\"" + entry.Code() + "\""), std::string::npos)
                << entry.Code() << " " << language;
            pages.insert(page);
        }
        // The parameters of one class share a page; the main page comes on top.
        EXPECT_LT(pages.size(), 145u);
        files += static_cast<int>(pages.size()) + 1;
        EXPECT_EQ(HelpMainPage(ProgramDir(), language).filename(), HelpMainPageName(language));
    }
    EXPECT_EQ(files, written_);
    EXPECT_EQ(MethodPageFiles(English).size(), MethodPageFiles(Russian).size());
    EXPECT_EQ(HelpMainPageName(English), "Pelmor_ENU.htm");
}

TEST_F(HelpPages, EveryPageIsUtf8AndLinksBackToTheMainPageOfItsLanguage) {
    for (int language : HelpLanguages) {
        const int other = language == English ? Russian : English;
        const std::set<std::string> files = MethodPageFiles(language);
        ASSERT_FALSE(files.empty()) << language;
        for (const std::string& name : files) {
            const std::string html = test::ReadBytes(HelpFolder(ProgramDir()) / name);
            EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos) << name;
            EXPECT_NE(html.find("<a href=\"" + HelpMainPageName(language) + "\">"), std::string::npos)
                << name;
            EXPECT_EQ(html.find(HelpMainPageName(other)), std::string::npos) << name;
        }
        const std::string main = test::ReadBytes(HelpMainPage(ProgramDir(), language));
        EXPECT_NE(main.find("<meta charset=\"utf-8\">"), std::string::npos) << language;
    }
}

TEST_F(HelpPages, TheMainPageLinksToEveryMethodPageAndEveryCodeOfItsLanguage) {
    for (int language : HelpLanguages) {
        const std::string main = test::ReadBytes(HelpMainPage(ProgramDir(), language));
        std::set<std::string> linkedPages;
        std::set<std::string> linkedCodes;
        const std::regex link("href=\"(Filters_[0-9]+_[^\"#]+\\.htm)#([^\"]+)\"");
        for (auto it = std::sregex_iterator(main.begin(), main.end(), link); it != std::sregex_iterator();
             ++it) {
            linkedPages.insert((*it)[1]);
            linkedCodes.insert((*it)[2]);
        }
        EXPECT_EQ(linkedPages, MethodPageFiles(language)) << language;
        EXPECT_EQ(linkedCodes.size(), 145u) << language;
        for (const char* anchor :
             {"archive", "statistics", "filtering", "scenarios", "backtest", "stakes", "rating", "keys"})
            EXPECT_NE(main.find("<h2 id=\"" + std::string(anchor) + "\">"), std::string::npos) << anchor;
    }
}

TEST_F(HelpPages, EnglishPagesShowWhatTheRussianOnesComputed) {
    const std::vector<HelpPageEntries> russian = HelpPagesOf(*stats_, Russian);
    const std::vector<HelpPageEntries> english = HelpPagesOf(*stats_, English);
    ASSERT_EQ(english.size(), russian.size());
    for (size_t i = 0; i < english.size(); ++i) {
        ASSERT_EQ(english[i].Entries, russian[i].Entries) << english[i].PageName;
        const std::string englishHtml = test::ReadBytes(HelpFolder(ProgramDir()) / english[i].PageName);
        const std::string russianHtml = test::ReadBytes(HelpFolder(ProgramDir()) / russian[i].PageName);
        EXPECT_EQ(ComputedParts(englishHtml), ComputedParts(russianHtml)) << english[i].PageName;
        EXPECT_NE(englishHtml, russianHtml) << english[i].PageName;
    }
    const auto& v = Newest().Values;
    EXPECT_NE(
        SectionOf("SUMS", English)
            .find("Draw No. " + std::to_string(Newest().Number) + " (" + CombToStr(CombOfDraw(Newest())) +
                  ") gives the values: " + Value(v[0] + v[1] + v[2]) + "."),
        std::string::npos);
}

// The catalogue names its methods in Russian only, and some methods' values are Russian
// words or letters; everything else on an English page is the help's own English.
TEST_F(HelpPages, EnglishPagesHaveNoRussianBesidesTheCatalogueNamesAndValues) {
    for (const HelpPageEntries& page : HelpPagesOf(*stats_, English)) {
        std::string html = test::ReadBytes(HelpFolder(ProgramDir()) / page.PageName);
        for (const std::string& text : CatalogueTexts(page))
            EraseAll(html, HtmlEscaped(text));
        EXPECT_FALSE(HasCyrillic(html)) << page.PageName;
    }
    std::string main = test::ReadBytes(HelpMainPage(ProgramDir(), English));
    for (const TStatMethod& entry : stats_->Items)
        EraseAll(main, HtmlEscaped(entry.DisplayName()));
    EXPECT_FALSE(HasCyrillic(main));
    // The check would see a Russian word left in the English pages.
    EXPECT_TRUE(HasCyrillic(test::ReadBytes(HelpMainPage(ProgramDir(), Russian))));
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

TEST_F(HelpPages, EveryTopicAndGroupHasItsOwnTextInEveryLanguage) {
    for (int language : HelpLanguages) {
        for (const HelpPageEntries& page : HelpPagesOf(*stats_, language)) {
            const TStatMethod& first = *page.Entries.front();
            const std::string topic = page.PageName.substr(13, page.PageName.size() - 13 - 4);
            EXPECT_FALSE(TopicHelpText(topic, language).empty()) << topic;
            EXPECT_NE(
                PageOf(first.Code().c_str(), language).find(HtmlEscaped(TopicHelpText(topic, language))),
                std::string::npos)
                << topic << " " << language;
        }
        for (int group = 0; group < StatGroupCount; ++group)
            EXPECT_FALSE(GroupHelpText(group, language).empty()) << group;
        EXPECT_TRUE(GroupHelpText(StatGroupCount, language).empty());
        EXPECT_TRUE(TopicHelpText("NOPE", language).empty());
    }
}

TEST_F(HelpPages, EnglishTextsAreEnglishAndEveryLanguageWithoutThemGetsTheRussianOnes) {
    std::vector<std::pair<std::string_view, std::string_view>> texts = {
        {HelpIntroText(English), HelpIntroText(Russian)},
        {FilterHelpText(English), FilterHelpText(Russian)},
        {FilterOtherDrawHelpText(English), FilterOtherDrawHelpText(Russian)},
    };
    for (const HelpPageEntries& page : HelpPagesOf(*stats_)) {
        const std::string topic = page.PageName.substr(13, page.PageName.size() - 13 - 4);
        texts.emplace_back(TopicHelpText(topic, English), TopicHelpText(topic, Russian));
    }
    std::vector<std::pair<std::string, std::string>> titles;
    for (int group = 0; group < StatGroupCount; ++group) {
        texts.emplace_back(GroupHelpText(group, English), GroupHelpText(group, Russian));
        titles.emplace_back(GroupHelpTitle(group, English), GroupHelpTitle(group, Russian));
        EXPECT_EQ(GroupHelpTitle(group, Russian), GroupTitle(group));
    }
    for (const auto& [english, russian] : titles)
        texts.emplace_back(english, russian);
    const std::vector<HelpSection>& englishSections = WorkflowHelpSections(English);
    const std::vector<HelpSection>& russianSections = WorkflowHelpSections(Russian);
    ASSERT_EQ(englishSections.size(), russianSections.size());
    for (size_t i = 0; i < englishSections.size(); ++i) {
        // The anchors are the same: a link to a section works in either language.
        EXPECT_EQ(englishSections[i].Anchor, russianSections[i].Anchor);
        ASSERT_EQ(englishSections[i].Paragraphs.size(), russianSections[i].Paragraphs.size());
        texts.emplace_back(englishSections[i].Title, russianSections[i].Title);
        for (size_t p = 0; p < englishSections[i].Paragraphs.size(); ++p)
            texts.emplace_back(englishSections[i].Paragraphs[p], russianSections[i].Paragraphs[p]);
    }
    for (const auto& [english, russian] : texts) {
        EXPECT_FALSE(english.empty()) << russian;
        EXPECT_FALSE(HasCyrillic(english)) << english;
        EXPECT_TRUE(HasCyrillic(russian)) << russian;
    }
    // A language without texts of its own reads the Russian ones, like its pages.
    EXPECT_EQ(HelpIntroText(1058), HelpIntroText(Russian));
    EXPECT_EQ(TopicHelpText("NUMS", 1058), TopicHelpText("NUMS", Russian));
}

TEST(HelpAddress, AnotherLanguageFallsBackToTheRussianPages) {
    test::TempDir dir;
    TStatList stats(dir / "settings.ini");
    stats.Rebuild();
    const TStatMethod& pos2 = stats.Items.at(static_cast<size_t>(stats.IndexOfCode("POS2")));
    const std::filesystem::path help = dir / "help";
    EXPECT_EQ(MethodHelpPage(pos2, dir.Path(), English), std::filesystem::path());
    EXPECT_EQ(HelpMainPage(dir.Path(), English), std::filesystem::path());
    std::filesystem::create_directories(help);
    test::WriteBytes(help / "Filters_1049_POSx.htm", "<html></html>");
    test::WriteBytes(help / "Pelmor_RUS.htm", "<html></html>");
    // English chosen, but only the Russian pages are there.
    EXPECT_EQ(MethodHelpPage(pos2, dir.Path(), English), help / "Filters_1049_POSx.htm");
    EXPECT_EQ(HelpMainPage(dir.Path(), English), help / "Pelmor_RUS.htm");
    EXPECT_NE(HelpUrl(pos2, dir.Path(), English).find("/help/Filters_1049_POSx.htm"), std::string::npos);
    test::WriteBytes(help / "Filters_1033_POSx.htm", "<html></html>");
    test::WriteBytes(help / "Pelmor_ENU.htm", "<html></html>");
    EXPECT_EQ(MethodHelpPage(pos2, dir.Path(), English), help / "Filters_1033_POSx.htm");
    EXPECT_EQ(HelpMainPage(dir.Path(), English), help / "Pelmor_ENU.htm");
    EXPECT_NE(HelpUrl(pos2, dir.Path(), English).find("/help/Filters_1033_POSx.htm"), std::string::npos);
    // Russian keeps its own pages; a language without pages gets the Russian ones.
    EXPECT_EQ(MethodHelpPage(pos2, dir.Path()), help / "Filters_1049_POSx.htm");
    EXPECT_EQ(HelpMainPage(dir.Path()), help / "Pelmor_RUS.htm");
    EXPECT_EQ(MethodHelpPage(pos2, dir.Path(), 1058), help / "Filters_1049_POSx.htm");
    EXPECT_EQ(HelpMainPage(dir.Path(), 1058), help / "Pelmor_RUS.htm");
    // With the Russian page gone, English still finds its own, Russian finds none.
    std::filesystem::remove(help / "Filters_1049_POSx.htm");
    EXPECT_EQ(MethodHelpPage(pos2, dir.Path(), English), help / "Filters_1033_POSx.htm");
    EXPECT_EQ(MethodHelpPage(pos2, dir.Path()), std::filesystem::path());
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
