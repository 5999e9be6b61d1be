#include <gtest/gtest.h>

#include <atomic>
#include <sstream>

#include "app/ini_file.h"
#include "archive/download_settings.h"
#include "cli.h"
#include "console_host.h"
#include "support/http_test_server.h"
#include "support/results_site.h"
#include "support/temp_dir.h"

namespace quorvel::cli {
namespace {

using test::HttpRequest;
using test::HttpResponse;
using test::HttpTestServer;
using test::TempDir;

struct Result {
    int code;
    std::string out;
    std::string err;
};

Result RunQuorvel(const TempDir& dir, std::vector<std::string> args) {
    args.insert(args.begin(), {"--data-dir", dir.Path().string()});
    std::ostringstream out, err;
    int code = RunCli(args, out, err);
    return {code, out.str(), err.str()};
}

TEST(CliDownload, StoresTheAddressAndDownloadsFromTheSite) {
    HttpTestServer site([](const HttpRequest& request) {
        return test::HtmlResponse(test::ResultsRangePage(request.Path, 60));
    });
    TempDir dir;
    Result first = RunQuorvel(dir, {"download", "--url", site.Url("/")});
    ASSERT_EQ(first.code, 0) << first.err;
    EXPECT_EQ(first.out, "Загружено тиражей: 60\nАрхив тиражей: 60\n");
    EXPECT_EQ(TIniFile::Load(dir / "Quorvel_3r10.ini").ReadString("DOWNLOAD", "ResultsUrl", ""),
              site.Url("/"));
    // The stored address serves the next run.
    Result again = RunQuorvel(dir, {"download"});
    EXPECT_EQ(again.out, "Загружено тиражей: 0\nАрхив тиражей: 60\n");
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
    Result result = RunQuorvel(
        dir, {"download", "--url", "http://archive.invalid/cash3.csv", "--proxy-mode", "2", "--proxy",
              "127.0.0.1:" + std::to_string(proxy.Port()), "--proxy-user", "me", "--proxy-password", "pw"});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, "Загружено тиражей: 2\nАрхив тиражей: 2\n");
    EXPECT_EQ(proxy.Requests().at(0).Target, "http://archive.invalid/cash3.csv");
    EXPECT_EQ(proxy.Requests().at(0).Header("proxy-authorization"), "Basic bWU6cHc=");
    const TIniFile ini = TIniFile::Load(dir / "Quorvel_3r10.ini");
    EXPECT_EQ(ini.ReadInteger("PROXY", "ProxyMode", -1), 2);
    EXPECT_EQ(ini.ReadString("PROXY", "ProxyPassword", ""), "pw");
}

TEST(CliDownload, BadOptionsAndAMissingAddressEndWithCodeOne) {
    TempDir dir;
    Result none = RunQuorvel(dir, {"download"});
    EXPECT_EQ(none.code, 1);
    EXPECT_EQ(none.err, ConsoleText(NoResultsAddressText) + "\n");
    EXPECT_EQ(RunQuorvel(dir, {"download", "--proxy-mode", "3"}).code, 1);
    EXPECT_EQ(RunQuorvel(dir, {"download", "--proxy", "nohost"}).code, 1);
    EXPECT_EQ(RunQuorvel(dir, {"download", "--proxy-mode", "2"}).err,
              "Не задан proxy-сервер: укажите --proxy ХОСТ:ПОРТ\n");
    EXPECT_EQ(RunQuorvel(dir, {"download", "--what"}).code, 1);
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
    Result no = RunQuorvel(dir, {"--no", "download", "--url", site.Url()});
    EXPECT_EQ(calls.load(), 1);
    EXPECT_NE(no.err.find("Ошибка загрузки архива тиражей с сайта: \""), std::string::npos);
    EXPECT_EQ(no.out, "Загружено тиражей: 0\nАрхив тиражей: 0\n");
    EXPECT_EQ(no.code, 1);
    calls = 0;
    Result yes = RunQuorvel(dir, {"--yes", "download"});
    EXPECT_EQ(calls.load(), 4);  // the first request and three retries
    EXPECT_EQ(yes.code, 1);
}

}  // namespace
}  // namespace quorvel::cli
