#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cctype>
#include <chrono>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace quorvel::test {

// A request as the test server received it.
struct HttpRequest {
    std::string Method;
    std::string Target;  // as sent: a path, or a whole address when it came through a proxy
    std::string Path;    // the target without "scheme://host:port"
    std::vector<std::pair<std::string, std::string>> Headers;  // names lower-cased

    bool ViaProxy() const { return Target.rfind("http://", 0) == 0; }
    std::string Header(const std::string& name) const {
        for (const auto& [key, value] : Headers) {
            if (key == name) return value;
        }
        return {};
    }
};

struct HttpResponse {
    int Status = 200;
    std::vector<std::pair<std::string, std::string>> Headers;
    std::string Body;
    // Waits this long after the headers before the body: a slow server.
    int BodyDelayMs = 0;
};

// An HTTP/1.1 server on 127.0.0.1 with a port of its own, answering one connection at a time
// on its own thread through the handler; every connection closes after its answer. It also
// serves requests sent to it as to a proxy (the target is then a whole address).
class HttpTestServer {
public:
    using Handler = std::function<HttpResponse(const HttpRequest&)>;

    explicit HttpTestServer(Handler handler) : handler_(std::move(handler)) {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        if (listener_ < 0) throw std::runtime_error("socket");
        int yes = 1;
        ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(listener_, 16) != 0)
            throw std::runtime_error("bind");
        socklen_t length = sizeof address;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }

    ~HttpTestServer() {
        stop_ = true;
        thread_.join();
        ::close(listener_);
    }

    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    int Port() const { return port_; }
    std::string Url(const std::string& path = "") const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }
    std::vector<HttpRequest> Requests() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return requests_;
    }

private:
    void Serve() {
        while (!stop_) {
            pollfd entry{listener_, POLLIN, 0};
            if (::poll(&entry, 1, 50) <= 0) continue;
            const int connection = ::accept(listener_, nullptr, nullptr);
            if (connection < 0) continue;
            HandleConnection(connection);
            ::close(connection);
        }
    }

    // The request head up to the empty line; requests of the download carry no body.
    bool ReadHead(int connection, std::string& head) {
        char buffer[4096];
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (head.find("\r\n\r\n") == std::string::npos) {
            if (stop_ || std::chrono::steady_clock::now() > deadline) return false;
            pollfd entry{connection, POLLIN, 0};
            if (::poll(&entry, 1, 50) <= 0) continue;
            const ssize_t n = ::recv(connection, buffer, sizeof buffer, 0);
            if (n <= 0) return false;
            head.append(buffer, static_cast<size_t>(n));
        }
        return true;
    }

    static HttpRequest ParseHead(const std::string& head) {
        HttpRequest request;
        size_t lineEnd = head.find("\r\n");
        const std::string first = head.substr(0, lineEnd);
        const size_t space1 = first.find(' ');
        const size_t space2 = first.find(' ', space1 + 1);
        request.Method = first.substr(0, space1);
        request.Target = first.substr(space1 + 1, space2 - space1 - 1);
        request.Path = request.Target;
        if (request.ViaProxy()) {
            const size_t slash = request.Target.find('/', 7);
            request.Path = slash == std::string::npos ? "/" : request.Target.substr(slash);
        }
        while (lineEnd != std::string::npos) {
            const size_t start = lineEnd + 2;
            lineEnd = head.find("\r\n", start);
            const std::string line = head.substr(start, lineEnd - start);
            const size_t colon = line.find(':');
            if (colon == std::string::npos) continue;
            std::string name = line.substr(0, colon);
            for (char& c : name)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            size_t valueStart = colon + 1;
            while (valueStart < line.size() && line[valueStart] == ' ')
                ++valueStart;
            request.Headers.emplace_back(name, line.substr(valueStart));
        }
        return request;
    }

    void Send(int connection, const std::string& bytes) {
        size_t sent = 0;
        while (sent < bytes.size()) {
            const ssize_t n = ::send(connection, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
            if (n <= 0) return;
            sent += static_cast<size_t>(n);
        }
    }

    void HandleConnection(int connection) {
        std::string head;
        if (!ReadHead(connection, head)) return;
        const HttpRequest request = ParseHead(head);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            requests_.push_back(request);
        }
        const HttpResponse response = handler_(request);
        std::string text = "HTTP/1.1 " + std::to_string(response.Status) + " X\r\n";
        for (const auto& [name, value] : response.Headers)
            text += name + ": " + value + "\r\n";
        text += "Content-Length: " + std::to_string(response.Body.size()) + "\r\nConnection: close\r\n\r\n";
        Send(connection, text);
        for (int waited = 0; waited < response.BodyDelayMs && !stop_; waited += 10)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        Send(connection, response.Body);
    }

    Handler handler_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    mutable std::mutex mutex_;
    std::vector<HttpRequest> requests_;
};

// A port on the loopback address where nothing listens: a request there is refused at once.
inline int ClosedLoopbackPort() {
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(probe);
    return ntohs(address.sin_port);
}

}  // namespace quorvel::test
