#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>

#include "core/app/workspace.h"
#include "core/archive/draws_file.h"
#include "core/archive/draws_import.h"
#include "core/model/text_forms.h"
#include "support/fake_ui_host.h"
#include "support/gzip_text.h"
#include "support/results_site.h"
#include "support/temp_dir.h"

namespace quorvel {
namespace {

using test::FakeUiHost;
using test::HttpRequest;
using test::HttpResponse;
using test::HttpTestServer;
using test::TempDir;

// Every text the wait window was given, and how often it closed.
class RecordingWait : public TWaitSink {
public:
    void ShowWaitText(const std::string& text) override { Texts.push_back(text); }
    void CloseWait() override { ++Closed; }
    std::vector<std::string> Texts;
    int Closed = 0;
};

void WriteSettings(const TempDir& dir, const std::string& text) {
    test::WriteBytes(dir / "Quorvel_3r10.ini", text);
}

std::string DownloadSection(const std::string& resultsUrl, const std::string& proxyListUrl = "") {
    return "[DOWNLOAD]\r\nResultsUrl=" + resultsUrl + "\r\nProxyListUrl=" + proxyListUrl + "\r\n";
}

struct Started {
    explicit Started(const TempDir& dir, Workspace::Mode mode = Workspace::Mode::CommandLine,
                     std::vector<std::string> args = {})
        : workspace(DataDirectory(dir.Path()), host, std::move(args), mode) {
        workspace.Download().SetWaitSink(&wait);
        workspace.LoadStartupSettings();
        initialised = workspace.Initialise();
    }
    FakeUiHost host;
    RecordingWait wait;
    Workspace workspace;
    bool initialised = false;
};

std::vector<int> Numbers(const DrawArchive& archive) {
    std::vector<int> numbers;
    for (const TDraw& draw : archive.Draws())
        numbers.push_back(draw.Number);
    return numbers;
}

std::vector<int> Range(int first, int last) {
    std::vector<int> numbers;
    for (int n = first; n <= last; ++n)
        numbers.push_back(n);
    return numbers;
}

TDrawsArray TestDraws(int first, int last) {
    TDrawsArray draws;
    for (int n = first; n <= last; ++n) {
        TDraw draw;
        draw.Number = n;
        const auto values = test::TestDrawValues(n);
        for (int p = 0; p < 3; ++p)
            draw.Values[static_cast<size_t>(p)] = static_cast<uint8_t>(values[static_cast<size_t>(p)]);
        draw.DateText.SetBytes(test::TestDrawDate(n));
        draws.push_back(draw);
    }
    return draws;
}

// The results site of an archive of draws 1..130, its pages packed with gzip.
HttpResponse SiteOf130(const HttpRequest& request) {
    HttpResponse response = test::HtmlResponse(test::GzipText(test::ResultsRangePage(request.Path, 130)));
    response.Headers.emplace_back("Content-Encoding", "gzip");
    return response;
}

TEST(DrawsDownload, AnEmptyArchiveTakesThreeRangesAndStopsAfterTheShortOne) {
    HttpTestServer site(SiteOf130);
    TempDir dir;
    WriteSettings(dir, DownloadSection(site.Url("/")));
    Started s(dir);
    EXPECT_EQ(s.workspace.Download().DrawsDownload(), 130);
    EXPECT_TRUE(s.host.Messages.empty()) << s.host.Messages.front().Text;
    const auto requests = site.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].Path, "/tridig/archive?firstDraw=0001&lastDraw=0050&mode=draw");
    EXPECT_EQ(requests[1].Path, "/tridig/archive?firstDraw=0051&lastDraw=0100&mode=draw");
    EXPECT_EQ(requests[2].Path, "/tridig/archive?firstDraw=0101&lastDraw=0150&mode=draw");
    EXPECT_EQ(s.workspace.Archive().Draws(), TestDraws(1, 130));
    EXPECT_EQ(LoadDrawsFile(dir / "Quorvel_3r10.ldr").Draws, TestDraws(1, 130));
    // The progress names each range; the wait window opened with the download's text and closed.
    const auto& progress = s.host.Progress;
    EXPECT_NE(std::find(progress.begin(), progress.end(), "Загрузка тиражей 51 - 100..."), progress.end());
    EXPECT_NE(std::find(progress.begin(), progress.end(), "Сохранение файла тиражей..."), progress.end());
    ASSERT_FALSE(s.wait.Texts.empty());
    EXPECT_EQ(s.wait.Texts.front(), "Загрузка архива тиражей...");
    EXPECT_EQ(s.wait.Closed, 1);
    EXPECT_TRUE(s.workspace.IsIdle());
    // Up to date: one more request that brings nothing.
    EXPECT_EQ(s.workspace.Download().DrawsDownload(), 0);
    EXPECT_EQ(site.Requests().size(), 4u);
}

TEST(DrawsDownload, APageListedNewestFirstIsAppendedOldestFirst) {
    HttpTestServer site([](const HttpRequest&) {
        return test::HtmlResponse(test::ResultsPage(test::ResultsElement(235, "05.03.2024 21:30", 2, 3, 5) +
                                                    test::ResultsElement(234, "04.03.2024 21:30", 1, 1, 1) +
                                                    test::ResultsElement(233, "03.03.2024 21:30", 0, 0, 0)));
    });
    TempDir dir;
    SaveDrawsFile(dir / "Quorvel_3r10.ldr", TestDraws(1, 232));
    WriteSettings(dir, DownloadSection(site.Url()));
    Started s(dir);
    EXPECT_EQ(s.workspace.Download().DrawsDownload(), 3);
    EXPECT_EQ(site.Requests().at(0).Path, "/tridig/archive?firstDraw=0233&lastDraw=0282&mode=draw");
    EXPECT_EQ(Numbers(s.workspace.Archive()), Range(1, 235));
    EXPECT_EQ(s.workspace.Archive().Draws().back().DateText.Bytes(), "05.03.2024 21:30");
    EXPECT_EQ(site.Requests().size(), 1u);
}

TEST(DrawsDownload, ASourceThatIgnoresTheRangeAddsNothingTwice) {
    // Always the same fifty draws 1..50, whatever is asked for.
    HttpTestServer site([](const HttpRequest&) {
        return test::HtmlResponse(test::ResultsRangePage("/?firstDraw=1&lastDraw=50", 50));
    });
    TempDir dir;
    WriteSettings(dir, DownloadSection(site.Url()));
    Started s(dir);
    EXPECT_EQ(s.workspace.Download().DrawsDownload(), 50);
    EXPECT_EQ(Numbers(s.workspace.Archive()), Range(1, 50));
    EXPECT_EQ(site.Requests().size(), 2u);
}

TEST(DrawsDownload, AFailedRangeAsksWithTheErrorAndYesTriesAgain) {
    std::atomic<int> calls{0};
    HttpTestServer site([&calls](const HttpRequest& request) {
        std::string page = test::ResultsRangePage(request.Path, 80);
        // The second request gets a page whose draws section never ends.
        if (++calls == 2) page.erase(page.find("<div class=\"content_decor\">"));
        return test::HtmlResponse(page);
    });
    TempDir dir;
    WriteSettings(dir, DownloadSection(site.Url()));
    Started s(dir);
    s.host.Answers = {true};
    EXPECT_EQ(s.workspace.Download().DrawsDownload(), 80);
    ASSERT_EQ(s.host.Count("question"), 1);
    const std::string question = s.host.Last("question");
    EXPECT_EQ(
        question.rfind("Ошибка загрузки архива тиражей с сайта: \"Не удалось найти пару идентификаторов "
                       "\"<div class=\"data drawings_data\">\" - \"<div class=\"content_decor\">\" в тексте",
                       0),
        0u)
        << question;
    EXPECT_TRUE(question.ends_with("!\"\r\rПовторить попытку?"));
    EXPECT_EQ(Numbers(s.workspace.Archive()), Range(1, 80));
    EXPECT_EQ(site.Requests().size(), 3u);
}

TEST(DrawsDownload, NoToTheRetryQuestionKeepsTheRangesAlreadySaved) {
    std::atomic<int> calls{0};
    HttpTestServer site([&calls](const HttpRequest& request) {
        if (++calls >= 2) {
            HttpResponse response = test::HtmlResponse("busy");
            response.Status = 503;
            return response;
        }
        return test::HtmlResponse(test::ResultsRangePage(request.Path, 130));
    });
    TempDir dir;
    WriteSettings(dir, DownloadSection(site.Url()));
    Started s(dir);
    s.host.Answers = {false};
    EXPECT_EQ(s.workspace.Download().DrawsDownload(), 50);
    EXPECT_EQ(s.host.Count("question"), 1);
    EXPECT_NE(s.host.Last("question").find("503"), std::string::npos);
    EXPECT_EQ(LoadDrawsFile(dir / "Quorvel_3r10.ldr").Draws, TestDraws(1, 50));
    // A limit on Yes answers (the command line's) ends with the error instead of asking forever.
    s.host.Answers = {true, true, true};
    s.host.Messages.clear();
    std::string failure;
    EXPECT_EQ(s.workspace.Download().DrawsDownload(1, &failure), 0);
    EXPECT_EQ(s.host.Count("question"), 1);
    EXPECT_NE(failure.find("503"), std::string::npos);
    EXPECT_EQ(site.Requests().size(), 4u);
}

TEST(DrawsDownload, APageWithoutTheDrawsSectionEndsQuietly) {
    HttpTestServer site([](const HttpRequest&) { return test::HtmlResponse("<html>Профилактика</html>"); });
    TempDir dir;
    WriteSettings(dir, DownloadSection(site.Url()));
    Started s(dir);
    EXPECT_EQ(s.workspace.Download().DrawsDownload(), 0);
    EXPECT_TRUE(s.host.Messages.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "Quorvel_3r10.ldr"));
}

TEST(DrawsDownload, WithoutAnAddressItSaysHowToSetOne) {
    TempDir dir;
    Started s(dir);
    EXPECT_EQ(s.workspace.Download().DrawsDownload(), 0);
    EXPECT_EQ(s.host.Last("warning"), NoResultsAddressText);
    EXPECT_TRUE(s.wait.Texts.empty());
}

TEST(DrawsDownload, ADrawsFileThatCannotBeWrittenStopsTheDownload) {
    HttpTestServer site([](const HttpRequest& request) {
        return test::HtmlResponse(test::ResultsRangePage(request.Path, 130));
    });
    TempDir dir;
    WriteSettings(dir, DownloadSection(site.Url()));
    Started s(dir);
    std::filesystem::create_directory(dir / "Quorvel_3r10.ldr");
    s.workspace.Download().DrawsDownload();
    EXPECT_EQ(site.Requests().size(), 1u);
    EXPECT_EQ(s.host.Last("error").rfind("Ошибка записи в файл тиражей!", 0), 0u);
}

TEST(DrawsDownload, NewDrawsCheckTheStakesMadeForThem) {
    HttpTestServer site([](const HttpRequest& request) {
        return test::HtmlResponse(test::ResultsRangePage(request.Path, 3));
    });
    TempDir dir;
    SaveDrawsFile(dir / "Quorvel_3r10.ldr", TestDraws(1, 2));
    WriteSettings(dir, DownloadSection(site.Url()));
    Started s(dir);
    TStakeRecord stake = s.workspace.Stakes().NewManualStake();
    ASSERT_EQ(stake.DrawNumber, 3);
    const auto values = test::TestDrawValues(3);
    stake.Values = CombToStakeComb(TComb{
        {static_cast<uint8_t>(values[0]), static_cast<uint8_t>(values[1]), static_cast<uint8_t>(values[2])}});
    ASSERT_TRUE(s.workspace.Stakes().AddStake(stake, 1));
    ASSERT_FALSE(s.workspace.Stakes().File().ReadLast()->IsCheckedStake());
    EXPECT_EQ(s.workspace.Download().DrawsDownload(), 1);
    const auto last = s.workspace.Stakes().File().ReadLast();
    ASSERT_TRUE(last->IsCheckedStake());
    EXPECT_EQ(last->Matches.Count, 3);
}

// A proxy list of two dead proxies and a live one (the site itself, which also serves as a proxy).
struct AutomaticSite {
    AutomaticSite()
        : site([this](const HttpRequest& request) {
              if (request.Path.rfind("/proxies", 0) == 0) return test::HtmlResponse(ProxyList);
              return test::HtmlResponse(test::ResultsRangePage(request.Path, 20));
          }) {}
    std::string ProxyList;
    HttpTestServer site;
};

TEST(DrawsDownload, AutomaticModeMovesPastDeadProxiesWithoutAskingAndKeepsTheLiveOne) {
    AutomaticSite fixture;
    const int dead1 = test::ClosedLoopbackPort();
    const int dead2 = test::ClosedLoopbackPort();
    fixture.ProxyList = "127.0.0.1:" + std::to_string(dead1) + "\n127.0.0.1:" + std::to_string(dead2) +
                        "\n127.0.0.1:" + std::to_string(fixture.site.Port()) + "\n";
    TempDir dir;
    WriteSettings(dir, "[PROXY]\r\nProxyMode=1\r\n" +
                           DownloadSection("http://results.invalid/", fixture.site.Url("/proxies")));
    Started s(dir);
    EXPECT_EQ(s.workspace.Download().DrawsDownload(), 20);
    EXPECT_EQ(s.host.Count("question"), 0);
    EXPECT_TRUE(s.host.Messages.empty());
    const auto requests = fixture.site.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].Path,
              "/proxies?protocol=http,https&anonymity=any&country=any&uptime=75&start=0&count=15");
    EXPECT_EQ(requests[1].Target,
              "http://results.invalid/tridig/archive?firstDraw=0001&lastDraw=0050&mode=draw");
    const std::string port = std::to_string(fixture.site.Port());
    const std::vector<std::string> expectedWaits = {
        "Загрузка архива тиражей...",
        "Загрузка архива тиражей...\r\rПоиск proxy-серверов",
        "Загрузка архива тиражей...\r\rПопытка 1, proxy 127.0.0.1 : " + std::to_string(dead1),
        "Загрузка архива тиражей...\r\rПопытка 2, proxy 127.0.0.1 : " + std::to_string(dead2),
        "Загрузка архива тиражей...\r\rПопытка 3, proxy 127.0.0.1 : " + port,
    };
    EXPECT_EQ(s.wait.Texts, expectedWaits);
    // The proxy that worked is written back, and the next download starts with it.
    TIniFile ini = TIniFile::Load(dir / "Quorvel_3r10.ini");
    EXPECT_EQ(ini.ReadInteger("PROXY", "ProxyMode", -1), 1);
    EXPECT_EQ(ini.ReadString("PROXY", "ProxyServer", ""), "127.0.0.1");
    EXPECT_EQ(ini.ReadString("PROXY", "ProxyPort", ""), port);
    EXPECT_EQ(ini.ReadString("PROXY", "ProxyUsername", "x"), "");
    EXPECT_EQ(s.workspace.Download().DrawsDownload(), 0);
    EXPECT_EQ(fixture.site.Requests().size(), 3u);  // no new search of the list
}

TEST(DrawsDownload, AutomaticModeAsksOnlyAfterTheLastProxyFailed) {
    AutomaticSite fixture;
    for (int i = 0; i < 3; ++i)
        fixture.ProxyList += "127.0.0.1:" + std::to_string(test::ClosedLoopbackPort()) + "\n";
    TempDir dir;
    WriteSettings(dir, "[PROXY]\r\nProxyMode=1\r\n" +
                           DownloadSection("https://results.invalid/", fixture.site.Url("/proxies")));
    Started s(dir);
    s.host.Answers = {false};
    EXPECT_EQ(s.workspace.Download().DrawsDownload(), 0);
    EXPECT_EQ(s.host.Count("question"), 1);
    // A secure results address asks the service for HTTPS proxies.
    EXPECT_EQ(fixture.site.Requests().at(0).Path,
              "/proxies?protocol=https&anonymity=any&country=any&uptime=75&start=0&count=15");
    EXPECT_EQ(s.wait.Texts.back().find("Попытка 3"), std::string("Загрузка архива тиражей...\r\r").size());
}

TEST(DrawsDownload, AnEmptyProxyListIsShownAndNothingIsRequested) {
    AutomaticSite fixture;
    fixture.ProxyList = "no proxies today\n";
    TempDir dir;
    WriteSettings(dir, "[PROXY]\r\nProxyMode=1\r\n" +
                           DownloadSection("http://results.invalid/", fixture.site.Url("/proxies")));
    Started s(dir);
    EXPECT_EQ(s.workspace.Download().DrawsDownload(), 0);
    EXPECT_EQ(s.host.Last("error"),
              "Ошибка получения списка proxy-серверов!\r\rНе найдено ни одного proxy-сервера с заданными "
              "параметрами");
    EXPECT_EQ(s.host.Count("question"), 0);
    EXPECT_EQ(fixture.site.Requests().size(), 1u);
}

TEST(DrawsDownload, ACsvAddressReadsTheWholeArchiveInOneRequest) {
    const std::string sample = test::ReadBytes(std::filesystem::path(QUORVEL_SAMPLES_DIR) / "cash3.csv");
    HttpTestServer site([&sample](const HttpRequest&) {
        HttpResponse response;
        response.Body = sample;
        return response;
    });
    TempDir dir;
    WriteSettings(dir, DownloadSection(site.Url("/data/cash3.csv")));
    Started s(dir);
    DrawArchive imported;
    ImportDrawLines(imported, ReadDrawsTextFile(std::filesystem::path(QUORVEL_SAMPLES_DIR) / "cash3.csv"));
    EXPECT_EQ(s.workspace.Download().DrawsDownload(), imported.Count());
    EXPECT_EQ(s.workspace.Archive().Draws(), imported.Draws());
    EXPECT_EQ(site.Requests().size(), 1u);
    EXPECT_TRUE(s.host.Messages.empty());
}

TEST(DrawsDownload, ALocalCsvWithAValueOutOfRangeSaysHowManyWereLeftOut) {
    TempDir dir;
    test::WriteBytes(dir / "new.csv",
                     "5;\"05.01.2024 10:00\";1;2;3\r\n6;\"06.01.2024 10:00\";1;22;3\r\n"
                     "7;\"07.01.2024 10:00\";4;5;6\r\n2;\"02.01.2024 10:00\";9;9;9\r\n");
    SaveDrawsFile(dir / "Quorvel_3r10.ldr", TestDraws(1, 4));
    WriteSettings(dir, DownloadSection((dir / "new.csv").string()));
    Started s(dir);
    EXPECT_EQ(s.workspace.Download().DrawsDownload(), 2);
    EXPECT_EQ(Numbers(s.workspace.Archive()), (std::vector<int>{1, 2, 3, 4, 5, 7}));
    EXPECT_EQ(
        s.host.Last("warning"),
        "Не загружено тиражей: 1. В них есть значения вне диапазона от 0 до 9, такой тираж не может быть "
        "добавлен в архив.");
}

TEST(StartupDownload, FollowsDownloadDrawsOnStartInTheWindowOnly) {
    HttpTestServer site([](const HttpRequest& request) {
        return test::HtmlResponse(test::ResultsRangePage(request.Path, 10));
    });
    const std::string question =
        "Обновить список тиражей?\r\rДля выполнения обновления необходимо действующее подключение к сети "
        "Интернет.";
    for (int mode : {0, 1, 2}) {
        for (bool yes : {false, true}) {
            TempDir dir;
            WriteSettings(dir, DownloadSection(site.Url()));
            test::WriteBytes(dir / "Quorvel_3r10.frm",
                             "[TFormMain]\r\nDownloadDrawsOnStart=" + std::to_string(mode) + "\r\n");
            FakeUiHost host;
            host.Answers = {yes};
            Workspace workspace(DataDirectory(dir.Path()), host, {});
            workspace.LoadStartupSettings();
            ASSERT_TRUE(workspace.Initialise());
            EXPECT_EQ(host.Count("question"), mode == 0 ? 1 : 0) << mode;
            if (mode == 0) {
                EXPECT_EQ(host.Last("question"), question);
            }
            const bool downloads = mode == 1 || (mode == 0 && yes);
            EXPECT_EQ(workspace.Archive().Count(), downloads ? 10 : 0) << mode << yes;
            EXPECT_FALSE(workspace.EndsAfterStartup());
        }
    }
    // Without an address nothing is asked; the command line never downloads by itself.
    TempDir dir;
    FakeUiHost host;
    Workspace window(DataDirectory(dir.Path()), host, {});
    window.LoadStartupSettings();
    ASSERT_TRUE(window.Initialise());
    EXPECT_TRUE(host.Messages.empty());
    TempDir other;
    WriteSettings(other, DownloadSection(site.Url()));
    Started cli(other);
    EXPECT_TRUE(cli.host.Messages.empty());
    EXPECT_EQ(cli.workspace.Archive().Count(), 0);
}

TEST(StartupDownload, LoadOnlyDownloadsAndEndsOrGoesOnToTheFullSetFiles) {
    HttpTestServer site([](const HttpRequest& request) {
        return test::HtmlResponse(test::ResultsRangePage(request.Path, 7));
    });
    {
        TempDir dir;
        WriteSettings(dir, DownloadSection(site.Url()));
        Started s(dir, Workspace::Mode::CommandLine, {"--LoadOnly"});
        EXPECT_EQ(s.workspace.Archive().Count(), 7);
        EXPECT_TRUE(s.workspace.EndsAfterStartup());
        EXPECT_FALSE(std::filesystem::exists(dir / "Prefetchs"));
    }
    {
        TempDir dir;
        WriteSettings(dir, DownloadSection(site.Url()));
        Started s(dir, Workspace::Mode::CommandLine, {"loadonly", "fullrefresh"});
        EXPECT_EQ(s.workspace.Archive().Count(), 7);
        EXPECT_TRUE(s.workspace.EndsAfterStartup());
        EXPECT_TRUE(std::filesystem::exists(dir / "Prefetchs"));
    }
}

}  // namespace
}  // namespace quorvel
