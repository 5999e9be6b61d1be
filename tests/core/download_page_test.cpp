#include <gtest/gtest.h>

#include "core/archive/download_page.h"
#include "core/archive/download_settings.h"
#include "core/archive/page_reader.h"
#include "core/archive/proxies.h"
#include "core/archive/proxy_settings.h"
#include "core/util/codepage.h"
#include "core/util/error.h"
#include "support/results_site.h"

namespace quorvel {
namespace {

using test::ResultsElement;
using test::ResultsPage;

std::string Values(const TDraw& draw) {
    return std::to_string(draw.Values[0]) + ";" + std::to_string(draw.Values[1]) + ";" +
           std::to_string(draw.Values[2]);
}

TEST(PageReader, TextBetweenMatchesWithoutRegardToCaseAndTrimsAndUnquotes) {
    EXPECT_EQ(TextBetween("x <DIV Id=a> 12 </div> y", "<div id=a>", "</DIV>"), "12");
    EXPECT_EQ(TextBetween("a=\"he said \"\"hi\"\"\";", "a=", ";"), "he said \"hi\"");
    // A lone quote is not an enclosing pair.
    EXPECT_EQ(TextBetween("[\"]", "[", "]"), "\"");
    // Cyrillic letters of the code page compare without case too.
    EXPECT_EQ(TextBetween(Utf8ToCp1251("Тираж №5 Дата"), Utf8ToCp1251("ТИРАЖ №"), Utf8ToCp1251("дата")), "5");
    // The first start marker counts, and the first end marker after it.
    EXPECT_EQ(TextBetween("<b>1</b><b>2</b>", "<b>", "</b>"), "1");
    EXPECT_EQ(TextBetween("no markers here", "<b>", "</b>"), "");
}

TEST(PageReader, AMissingEndMarkerFailsWithBothMarkersAndTheText) {
    try {
        TextBetween("<b>open", "<b>", "</b>");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Не удалось найти пару идентификаторов \"<b>\" - \"</b>\" в тексте\r\r[<b>open]!");
    }
    // A whole page is not put into a message box.
    try {
        TextBetween("<b>" + std::string(5000, 'x'), "<b>", "</b>");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_LT(std::string(e.what()).size(), 700u);
    }
}

TEST(PageReader, CutBetweenAndCutElementConsumeTheirVariable) {
    std::string block = "<b>7</b> <B>&nbsp;3</b><b>5</b>";
    EXPECT_EQ(CutBetween(block, "<b", "</b>"), ">7");
    EXPECT_EQ(block, " <B>&nbsp;3</b><b>5</b>");
    EXPECT_EQ(CutBetween(block, "<b", "</b>"), ">&nbsp;3");
    EXPECT_EQ(CutBetween(block, "<b", "</b>"), ">5");
    EXPECT_EQ(CutBetween(block, "<b", "</b>"), "");
    EXPECT_EQ(block, "");

    std::string list = "head<e>one<E>two<e> three ";
    EXPECT_EQ(CutElement(list, "<e>"), "one");
    EXPECT_EQ(list, "<E>two<e> three ");
    EXPECT_EQ(CutElement(list, "<e>"), "two");
    EXPECT_EQ(CutElement(list, "<e>"), "three");  // the last one runs to the end
    EXPECT_EQ(list, "");
    EXPECT_EQ(CutElement(list, "<e>"), "");
}

TEST(PageReader, TextBetween2ReadsThePairInsideThePair) {
    const std::string element = "<div class=\"container cleared\"><i><b>1</b></div><div class=\"controls\">";
    EXPECT_EQ(
        TextBetween2(element, "<div class=\"container cleared\"", "<div class=\"controls\">", ">", "</div>"),
        "<i><b>1</b>");
    EXPECT_EQ(TextBetween2("nothing", "<a>", "</a>", ">", "<"), "");
}

TEST(ResultsPage, ReadsEveryElementNewestFirstWithDateAndValues) {
    const std::string page = ResultsPage(ResultsElement(235, "05.03.2024 21:30", 1, 7, 0) +
                                         ResultsElement(234, "04.03.2024 21:00", 9, 9, 9) +
                                         ResultsElement(233, "03.03.2024 12:00", 0, 0, 7));
    const auto draws = ReadResultsPage(Utf8ToCp1251(page));
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(draws[0].Draw.Number, 235);
    EXPECT_EQ(draws[0].Draw.DateText.Bytes(), "05.03.2024 21:30");
    EXPECT_EQ(Values(draws[0].Draw), "1;7;0");  // "&nbsp;7" reads 7
    EXPECT_EQ(draws[1].Draw.DateText.Bytes(), "04.03.2024 21:00");
    EXPECT_EQ(Values(draws[2].Draw), "0;0;7");
    EXPECT_TRUE(draws[0].Valid && draws[1].Valid && draws[2].Valid);
}

TEST(ResultsPage, SkipsIncompleteElementsAndMarksValuesOutOfRange) {
    std::string noDate = ResultsElement(12, "01.01.2024 10:00", 1, 2, 3);
    noDate.replace(noDate.find("title="), 6, "alt=");
    std::string noNumber = ResultsElement(13, "01.01.2024 10:00", 1, 2, 3);
    noNumber.replace(noNumber.find("/tridig/archive/"), 16, "/other/");
    std::string noValues = ResultsElement(14, "01.01.2024 10:00", 1, 2, 3);
    noValues.replace(noValues.find("container cleared"), 17, "box");
    const std::string page =
        ResultsPage(ResultsElement(16, "01.01.2024 10:00", 4, 12, 6) + noDate + noNumber + noValues +
                    ResultsElement(11, "01.01.2024 10:00", 1, 2, 3));
    const auto draws = ReadResultsPage(page);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].Draw.Number, 16);
    EXPECT_FALSE(draws[0].Valid);  // 12 is no value of the game
    EXPECT_EQ(draws[1].Draw.Number, 11);
    EXPECT_TRUE(draws[1].Valid);
}

TEST(ResultsPage, WithoutTheDrawsSectionThereAreNoDrawsButAnOpenSectionFails) {
    EXPECT_TRUE(ReadResultsPage("<html><body>Технические работы</body></html>").empty());
    const std::string open =
        "<div class=\"data drawings_data\">" + ResultsElement(5, "01.01.2024 10:00", 1, 2, 3);
    EXPECT_THROW(ReadResultsPage(open), Error);
    std::string broken = ResultsPage(ResultsElement(5, "01.01.2024 10:00", 1, 2, 3));
    broken.erase(broken.find(":00\">"), 5);  // the date title never closes
    EXPECT_THROW(ReadResultsPage(broken), Error);
}

TEST(DrawsCsv, ReadsTheImportFormatInFileOrder) {
    const std::string text =
        "1;\"01.07.2022 13:00\";1;2;3\r\n"
        "\r\n"
        "garbage line\r\n"
        "2;\"01.07.2022 21:00\";4;5;16\r\n"
        "1;\"02.07.2022 13:00\";9;9;9\r\n"
        "\"02.07.2022 21:00\";7;8;9\r\n";
    const auto draws = ReadDrawsCsv(text);
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(draws[0].Draw.Number, 1);
    EXPECT_EQ(Values(draws[0].Draw), "1;2;3");  // the repeated number 1 is skipped
    EXPECT_EQ(draws[1].Draw.Number, 2);
    EXPECT_FALSE(draws[1].Valid);
    EXPECT_EQ(draws[2].Draw.Number, 3);  // no number: the next place
    EXPECT_EQ(draws[2].Draw.DateText.Bytes(), "02.07.2022 21:00");
}

TEST(DownloadAddresses, RangesCsvFilesAndTheGamePage) {
    EXPECT_EQ(ResultsPageAddress("https://results.example/", 1, 50),
              "https://results.example/tridig/archive?firstDraw=0001&lastDraw=0050&mode=draw");
    EXPECT_EQ(ResultsPageAddress("http://h", 231, 12280),
              "http://h/tridig/archive?firstDraw=0231&lastDraw=12280&mode=draw");
    EXPECT_TRUE(IsCsvAddress("http://h/data/Cash3.CSV"));
    EXPECT_TRUE(IsCsvAddress("http://h/data/cash3.csv?version=2"));
    EXPECT_TRUE(IsCsvAddress("/home/me/cash3.csv"));
    EXPECT_FALSE(IsCsvAddress("http://h/csv"));
    EXPECT_FALSE(IsCsvAddress(""));
    EXPECT_EQ(GamePageAddress("https://results.example/"), "https://results.example/tridig");
    EXPECT_EQ(GamePageAddress("https://h:8080/archive/cash3.csv"), "https://h:8080/");
    EXPECT_EQ(GamePageAddress("file:///tmp/cash3.csv"), "");
    EXPECT_EQ(GamePageAddress(""), "");
    EXPECT_EQ(RequestAddress("/tmp/my draws/cash3.csv"), "file:///tmp/my%20draws/cash3.csv");
    EXPECT_EQ(RequestAddress(" http://h/x.csv "), "http://h/x.csv");
}

TEST(DownloadSettings, KeysOfTheDownloadSectionAndTheProxyModeWithoutItsKey) {
    TIniFile ini;
    EXPECT_EQ(LoadDownloadSettings(ini), TDownloadSettings{});
    SaveDownloadSettings(ini, {"http://h/cash3.csv", "http://list/"});
    EXPECT_EQ(LoadDownloadSettings(ini).ResultsUrl, "http://h/cash3.csv");
    EXPECT_EQ(LoadDownloadSettings(ini).ProxyListUrl, "http://list/");

    TIniFile old;
    old.WriteString("PROXY", "ProxyServer", "proxy.local");
    EXPECT_EQ(LoadProxySettings(old).Mode, ProxyModeGiven);
    old.WriteInteger("PROXY", "ProxyMode", 0);
    EXPECT_EQ(LoadProxySettings(old).Mode, ProxyModeNone);
    old.WriteInteger("PROXY", "ProxyMode", 7);
    EXPECT_EQ(LoadProxySettings(old).EffectiveMode(), ProxyModeNone);
}

TEST(ProxyList, PagesOfTheServiceAndTheirEntries) {
    EXPECT_EQ(ProxyListPageAddress("http://list/api", true, 1),
              "http://list/api?protocol=https&anonymity=any&country=any&uptime=75&start=0&count=15");
    EXPECT_EQ(
        ProxyListPageAddress("http://list/api?key=1", false, 3),
        "http://list/api?key=1&protocol=http,https&anonymity=any&country=any&uptime=75&start=30&count=15");
    const auto entries =
        ReadProxyListPage("10.0.0.1:3128\r\n bad line\n:80\nhost:0\nhost:+80\nproxy.example:8080 \n");
    EXPECT_EQ(entries, (std::vector<std::string>{"10.0.0.1:3128", "proxy.example:8080"}));
    EXPECT_EQ(ProxyOfEntry("h:65535")->Port, 65535);
    EXPECT_FALSE(ProxyOfEntry("h:65536"));
}

}  // namespace
}  // namespace quorvel
