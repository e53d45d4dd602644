// A one-file web server on 127.0.0.1 for the update-check tests. It answers every request with
// the same reply and serves at most a few requests; it stops when it is destroyed.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct LoopbackReply {
    std::string Status = "200 OK";
    std::string Body;
    std::string Headers;  // extra header lines, each ending in "\r\n"
    bool Silent = false;  // accept, read the request and never answer
    bool Endless = false; // send Body again and again, with no length, until the client hangs up
};

inline LoopbackReply Serving(std::string body) {
    LoopbackReply r;
    r.Body = std::move(body);
    return r;
}

class LoopbackHttpServer {
  public:
    explicit LoopbackHttpServer(LoopbackReply reply, int maxRequests = 3)
        : reply_(std::move(reply)), maxRequests_(maxRequests) {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        ::listen(listener_, 4);
        socklen_t len = sizeof addr;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
        port_ = ntohs(addr.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~LoopbackHttpServer() {
        stop_ = true;
        thread_.join();
        ::close(listener_);
    }
    std::string BaseUrl() const { return "http://127.0.0.1:" + std::to_string(port_) + "/ruliform/"; }
    // The raw requests received so far (request line and headers).
    std::vector<std::string> Requests() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return requests_;
    }

  private:
    void Serve() {
        int served = 0;
        while (!stop_ && served < maxRequests_) {
            if (!Readable(listener_)) continue;
            const int conn = ::accept(listener_, nullptr, nullptr);
            if (conn < 0) continue;
            ++served;
            std::string request = ReadRequest(conn);
            {
                std::lock_guard<std::mutex> lock(mutex_);
                requests_.push_back(request);
            }
            if (reply_.Silent) {
                // Holds the connection open without a word until the test is over.
                while (!stop_)
                    Readable(conn);
            } else if (reply_.Endless) {
                const std::string head =
                    "HTTP/1.1 " + reply_.Status + "\r\nConnection: close\r\n" + reply_.Headers + "\r\n";
                bool open = ::send(conn, head.data(), head.size(), MSG_NOSIGNAL) > 0;
                while (open && !stop_)
                    open = ::send(conn, reply_.Body.data(), reply_.Body.size(), MSG_NOSIGNAL) > 0;
            } else {
                const std::string out = "HTTP/1.1 " + reply_.Status +
                                        "\r\nContent-Length: " + std::to_string(reply_.Body.size()) +
                                        "\r\nConnection: close\r\n" + reply_.Headers + "\r\n" + reply_.Body;
                (void)!::write(conn, out.data(), out.size());
            }
            ::close(conn);
        }
    }
    // Waits a short tick for Fd to become readable, so that the loops notice stop_.
    static bool Readable(int fd) {
        pollfd p{fd, POLLIN, 0};
        return ::poll(&p, 1, 50) > 0;
    }
    // Reads up to the end of the headers, or until the client closes or the server stops.
    std::string ReadRequest(int conn) const {
        std::string request;
        char buf[1024];
        while (!stop_ && request.find("\r\n\r\n") == std::string::npos) {
            if (!Readable(conn)) continue;
            const ssize_t n = ::read(conn, buf, sizeof buf);
            if (n <= 0) break;
            request.append(buf, static_cast<size_t>(n));
        }
        return request;
    }

    LoopbackReply reply_;
    int maxRequests_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
};

// A loopback port on which nothing listens.
inline int ClosedLoopbackPort() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    socklen_t len = sizeof addr;
    ::getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len);
    ::close(s);
    return ntohs(addr.sin_port);
}

// Sets an environment variable for one scope.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) { ::setenv(name, value.c_str(), 1); }
    ~ScopedEnv() { ::unsetenv(name_); }

  private:
    const char* name_;
};

// The version file a server would hold: a first line that is not read, then the numbers.
inline std::string VersionFile(std::initializer_list<const char*> lines) {
    std::string body = "Ruliform\r\n";
    for (const char* l : lines)
        body += std::string(l) + "\r\n";
    return body;
}
