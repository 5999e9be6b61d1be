#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/archive/web_client.h"
#include "core/util/codepage.h"
#include "core/util/error.h"
#include "support/gzip_text.h"
#include "support/http_test_server.h"
#include "support/temp_dir.h"

extern char** environ;

namespace quorvel {
namespace {

using test::HttpRequest;
using test::HttpResponse;
using test::HttpTestServer;

HttpResponse Text(const std::string& body, int status = 200) {
    HttpResponse response;
    response.Status = status;
    response.Body = body;
    return response;
}

TEST(WebClient, SendsTheRequestHeadersAndTurnsTheAnswerIntoTheCodePage) {
    HttpTestServer server([](const HttpRequest&) { return Text("Тираж № 5"); });
    TWebClient client;
    const std::string body = client.Get(server.Url("/page"));
    EXPECT_EQ(body, "Тираж № 5");
    EXPECT_EQ(BodyToCp1251(body), Utf8ToCp1251("Тираж № 5"));
    // A body that is not UTF-8 is already in the code page.
    EXPECT_EQ(BodyToCp1251("\xD2\xE8\xF0\xE0\xE6"), "\xD2\xE8\xF0\xE0\xE6");
    const HttpRequest request = server.Requests().at(0);
    EXPECT_EQ(request.Method, "GET");
    EXPECT_EQ(request.Path, "/page");
    EXPECT_EQ(request.Header("accept"), "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8");
    EXPECT_EQ(request.Header("accept-encoding"), "gzip, deflate, sdch");
    EXPECT_EQ(request.Header("user-agent"),
              "Mozilla/5.0 (Windows NT 6.1; WOW64) AppleWebKit/537.36 (KHTML, like Gecko) "
              "Chrome/47.0.2526.80 Safari/537.36");
}

TEST(WebClient, UnpacksGzipAndDeflateAnswers) {
    const std::string page(20000, 'z');
    HttpTestServer server([&page](const HttpRequest& request) {
        HttpResponse response;
        const bool gzip = request.Path == "/gzip";
        response.Headers = {{"Content-Encoding", gzip ? "gzip" : "deflate"}};
        response.Body = test::CompressText(page + request.Path, gzip ? 31 : 15);
        return response;
    });
    TWebClient client;
    EXPECT_EQ(client.Get(server.Url("/gzip")), page + "/gzip");
    EXPECT_EQ(client.Get(server.Url("/deflate")), page + "/deflate");
}

TEST(WebClient, FollowsRedirectsAndKeepsCookiesBetweenRequests) {
    HttpTestServer server([](const HttpRequest& request) {
        if (request.Path == "/start") {
            HttpResponse response = Text("moved", 302);
            response.Headers = {{"Location", "/login"}};
            return response;
        }
        if (request.Path == "/login") {
            HttpResponse response = Text("welcome");
            response.Headers = {{"Set-Cookie", "session=42; Path=/"}};
            return response;
        }
        return request.Header("cookie") == "session=42" ? Text("archive") : Text("no session", 403);
    });
    TWebClient client;
    EXPECT_EQ(client.Get(server.Url("/start")), "welcome");
    EXPECT_EQ(client.Get(server.Url("/archive")), "archive");
    // Another client is another visitor.
    TWebClient stranger;
    EXPECT_THROW(stranger.Get(server.Url("/archive")), Error);
}

TEST(WebClient, FailuresCarryTheirReason) {
    HttpTestServer server([](const HttpRequest& request) {
        if (request.Path == "/to-file") {
            HttpResponse response = Text("", 302);
            response.Headers = {{"Location", "file:///etc/passwd"}};
            return response;
        }
        return Text("missing", 404);
    });
    TWebClient client;
    try {
        client.Get(server.Url("/none"));
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("404"), std::string::npos) << e.what();
    }
    // A web page may not send the program to a local file.
    EXPECT_THROW(client.Get(server.Url("/to-file")), Error);
    EXPECT_THROW(client.Get("http://127.0.0.1:" + std::to_string(test::ClosedLoopbackPort()) + "/"), Error);
}

TEST(WebClient, AnAnswerThatStopsComingEndsAfterTheReadTimeOut) {
    HttpTestServer server([](const HttpRequest&) {
        HttpResponse response = Text("late");
        response.BodyDelayMs = 4000;
        return response;
    });
    TWebClient client(TWebTimeouts{5000, 1000});
    EXPECT_THROW(client.Get(server.Url("/slow")), Error);
}

TEST(WebClient, ReadsALocalFile) {
    test::TempDir dir;
    test::WriteBytes(dir / "cash3.csv", "1;\"01.07.2022 13:00\";1;2;3\r\n");
    TWebClient client;
    EXPECT_EQ(client.Get("file://" + (dir / "cash3.csv").string()), "1;\"01.07.2022 13:00\";1;2;3\r\n");
    EXPECT_THROW(client.Get("file://" + (dir / "missing.csv").string()), Error);
}

TEST(WebClient, GoesThroughTheGivenProxyWithItsUserAndIgnoresTheEnvironmentWithout) {
    HttpTestServer proxy([](const HttpRequest& request) {
        return Text(request.ViaProxy() ? "via " + request.Target : "direct");
    });
    TWebClient client;
    client.SetProxy(TWebProxy{"127.0.0.1", proxy.Port(), "user", "secret"});
    EXPECT_EQ(client.Get("http://results.invalid/tridig/archive"),
              "via http://results.invalid/tridig/archive");
    EXPECT_EQ(proxy.Requests().at(0).Header("proxy-authorization"), "Basic dXNlcjpzZWNyZXQ=");

    // Without a proxy the request goes straight to the server, whatever the environment says.
    const std::string dead = "http://127.0.0.1:" + std::to_string(test::ClosedLoopbackPort());
    setenv("http_proxy", dead.c_str(), 1);
    client.SetProxy(std::nullopt);
    EXPECT_EQ(client.Get(proxy.Url("/x")), "direct");
    unsetenv("http_proxy");
}

// A real HTTP proxy of the system: tinyproxy, when it is installed.
class TinyProxy {
public:
    TinyProxy(const std::filesystem::path& dir, int port) {
        const std::filesystem::path config = dir / "tinyproxy.conf";
        std::ofstream(config) << "Port " << port
                              << "\nListen 127.0.0.1\nTimeout 10\nAllow 127.0.0.1\n"
                                 "BasicAuth user secret\nLogLevel Critical\n";
        const std::string configText = config.string();
        char* argv[] = {const_cast<char*>("tinyproxy"), const_cast<char*>("-d"), const_cast<char*>("-c"),
                        const_cast<char*>(configText.c_str()), nullptr};
        if (posix_spawnp(&pid_, "tinyproxy", nullptr, nullptr, argv, environ) != 0) pid_ = 0;
    }
    ~TinyProxy() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    bool Started() const { return pid_ > 0; }

private:
    pid_t pid_ = 0;
};

bool AcceptsConnections(int port) {
    for (int i = 0; i < 100; ++i) {
        const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<uint16_t>(port));
        const bool ok = ::connect(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(probe);
        if (ok) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

TEST(WebClient, ThroughARealProxyWithUserAndPassword) {
    if (std::system("command -v tinyproxy >/dev/null 2>&1") != 0)
        GTEST_SKIP()
            << "tinyproxy is not installed (Debian package \"tinyproxy\"); the real-proxy check is skipped";
    HttpTestServer site([](const HttpRequest& request) {
        return Text(request.ViaProxy() ? "proxied twice" : "page " + request.Path);
    });
    test::TempDir dir;
    const int port = test::ClosedLoopbackPort();
    TinyProxy proxy(dir.Path(), port);
    ASSERT_TRUE(proxy.Started());
    ASSERT_TRUE(AcceptsConnections(port)) << "tinyproxy did not start";
    TWebClient client;
    client.SetProxy(TWebProxy{"127.0.0.1", port, "user", "secret"});
    EXPECT_EQ(client.Get(site.Url("/tridig/archive")), "page /tridig/archive");
    client.SetProxy(TWebProxy{"127.0.0.1", port, "user", "wrong"});
    EXPECT_THROW(client.Get(site.Url("/tridig/archive")), Error);
    EXPECT_EQ(site.Requests().size(), 1u);
}

}  // namespace
}  // namespace quorvel
