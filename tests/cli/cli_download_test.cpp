#include <gtest/gtest.h>

#include <atomic>

#include "cli/console_host.h"
#include "core/archive/download_settings.h"
#include "core/util/ini_file.h"
#include "support/cli_run.h"
#include "support/http_test_server.h"
#include "support/results_site.h"
#include "support/temp_dir.h"

namespace quorvel::cli {
namespace {

using test::CliResult;
using test::HttpRequest;
using test::HttpResponse;
using test::HttpTestServer;
using test::TempDir;

// No answer by default: the retry test gives --yes or --no itself.
CliResult Quorvel(const TempDir& dir, std::vector<std::string> args) {
    return test::RunQuorvel(dir, std::move(args), {});
}

TEST(CliDownload, StoresTheAddressAndDownloadsFromTheSite) {
    HttpTestServer site([](const HttpRequest& request) {
        return test::HtmlResponse(test::ResultsRangePage(request.Path, 60));
    });
    TempDir dir;
    CliResult first = Quorvel(dir, {"download", "--url", site.Url("/")});
    ASSERT_EQ(first.Code, 0) << first.Err;
    EXPECT_EQ(first.Out, "Загружено тиражей: 60\nАрхив тиражей: 60\n");
    EXPECT_EQ(TIniFile::Load(dir / "Quorvel_3r10.ini").ReadString("DOWNLOAD", "ResultsUrl", ""),
              site.Url("/"));
    // The stored address serves the next run.
    CliResult again = Quorvel(dir, {"download"});
    EXPECT_EQ(again.Out, "Загружено тиражей: 0\nАрхив тиражей: 60\n");
    EXPECT_EQ(site.Requests().size(), 3u);
}

TEST(CliDownload, ACsvFileOnTheWebAndTheGivenProxyWithItsUser) {
    const std::string csv = "1;\"01.07.2022 13:00\";1;2;3\r\n2;\"01.07.2022 21:00\";4;5;6\r\n";
    HttpTestServer proxy([&csv](const HttpRequest& request) {
        HttpResponse response;
        response.Body = request.ViaProxy() ? csv : "";
        return response;
    });
    TempDir dir;
    CliResult result = Quorvel(
        dir, {"download", "--url", "http://archive.invalid/cash3.csv", "--proxy-mode", "2", "--proxy",
              "127.0.0.1:" + std::to_string(proxy.Port()), "--proxy-user", "me", "--proxy-password", "pw"});
    ASSERT_EQ(result.Code, 0) << result.Err;
    EXPECT_EQ(result.Out, "Загружено тиражей: 2\nАрхив тиражей: 2\n");
    EXPECT_EQ(proxy.Requests().at(0).Target, "http://archive.invalid/cash3.csv");
    EXPECT_EQ(proxy.Requests().at(0).Header("proxy-authorization"), "Basic bWU6cHc=");
    const TIniFile ini = TIniFile::Load(dir / "Quorvel_3r10.ini");
    EXPECT_EQ(ini.ReadInteger("PROXY", "ProxyMode", -1), 2);
    EXPECT_EQ(ini.ReadString("PROXY", "ProxyPassword", ""), "pw");
}

TEST(CliDownload, BadOptionsAndAMissingAddressEndWithCodeOne) {
    TempDir dir;
    CliResult none = Quorvel(dir, {"download"});
    EXPECT_EQ(none.Code, 1);
    EXPECT_EQ(none.Err, ConsoleText(NoResultsAddressText) + "\n");
    EXPECT_EQ(Quorvel(dir, {"download", "--proxy-mode", "3"}).Code, 1);
    EXPECT_EQ(Quorvel(dir, {"download", "--proxy", "nohost"}).Code, 1);
    EXPECT_EQ(Quorvel(dir, {"download", "--proxy-mode", "2"}).Err,
              "Не задан proxy-сервер: укажите --proxy ХОСТ:ПОРТ\n");
    EXPECT_EQ(Quorvel(dir, {"download", "--what"}).Code, 2);  // an unknown option is a misuse
}

TEST(CliDownload, YesRetriesAFewTimesAndNoStopsAtOnce) {
    std::atomic<int> calls{0};
    HttpTestServer site([&calls](const HttpRequest&) {
        ++calls;
        HttpResponse response;
        response.Status = 500;
        return response;
    });
    TempDir dir;
    CliResult no = Quorvel(dir, {"--no", "download", "--url", site.Url()});
    EXPECT_EQ(calls.load(), 1);
    EXPECT_NE(no.Err.find("Ошибка загрузки архива тиражей с сайта: \""), std::string::npos);
    EXPECT_EQ(no.Out, "Загружено тиражей: 0\nАрхив тиражей: 0\n");
    EXPECT_EQ(no.Code, 1);
    calls = 0;
    CliResult yes = Quorvel(dir, {"--yes", "download"});
    EXPECT_EQ(calls.load(), 4);  // the first request and three retries
    EXPECT_EQ(yes.Code, 1);
}

}  // namespace
}  // namespace quorvel::cli
