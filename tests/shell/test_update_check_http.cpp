// The blocking HTTP client: headers sent, compressed bodies, redirects and time-outs.
#include "test_update_check_server.h"

#include "winlib/Http.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace {

// The text compressed as gzip (windowBits 31) or zlib-wrapped deflate (15).
std::string Compressed(const std::string& text, int windowBits) {
    z_stream z{};
    deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&z, text.size()), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    z.avail_in = static_cast<uInt>(text.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

TEST(IdHttp, SendsTheClientsHeadersAndReturnsTheBody) {
    LoopbackHttpServer server(Serving("a\r\nb\r\n"));
    TIdHTTP http(nullptr);
    EXPECT_EQ(http.Get(server.BaseUrl() + "f.txt"), "a\r\nb\r\n");
    EXPECT_EQ(http.ResponseCode(), 200);
    const std::string request = server.Requests().at(0);
    EXPECT_NE(request.find("User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"), std::string::npos);
    EXPECT_NE(request.find("Accept: text/html, */*\r\n"), std::string::npos);
    EXPECT_NE(request.find("Accept-Encoding: "), std::string::npos);
}

TEST(IdHttp, DecodesGzipAndDeflateBodies) {
    const std::string text = "Ruliform\r\n1\r\n32\r\n0\r\n";
    for (auto [encoding, bits] : {std::pair{"gzip", 31}, std::pair{"deflate", 15}}) {
        SCOPED_TRACE(encoding);
        LoopbackReply reply = Serving(Compressed(text, bits));
        reply.Headers = std::string("Content-Encoding: ") + encoding + "\r\n";
        LoopbackHttpServer server(reply);
        TIdHTTP http(nullptr);
        EXPECT_EQ(http.Get(server.BaseUrl() + "v.txt"), text);
    }
}

TEST(IdHttp, StopsReadingAtTheBodyLimit) {
    TIdHTTP probe(nullptr);
    const size_t limit = static_cast<size_t>(probe.MaxBodyBytes());
    EXPECT_EQ(limit, 64u * 1024);
    struct Case {
        const char* what;
        LoopbackReply reply;
        bool read;
    };
    LoopbackReply endless = Serving(std::string(4096, 'v'));
    endless.Endless = true;
    LoopbackReply bomb = Serving(Compressed(std::string(16 << 20, '0'), 31)); // 16 MB as a few KB
    bomb.Headers = "Content-Encoding: gzip\r\n";
    const Case cases[] = {
        {"exactly the limit", Serving(std::string(limit, 'x')), true},
        {"one byte more", Serving(std::string(limit + 1, 'x')), false},
        {"an endless body", endless, false},
        {"a small body that unpacks beyond it", bomb, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LoopbackHttpServer server(c.reply);
        TIdHTTP http(nullptr);
        if (c.read) {
            EXPECT_EQ(http.Get(server.BaseUrl() + "v.txt").size(), limit);
            continue;
        }
        // Refused for its length, not ended by the time-out.
        try {
            http.Get(server.BaseUrl() + "v.txt");
            ADD_FAILURE() << "the body was taken";
        } catch (const EIdHTTPProtocolException& e) {
            EXPECT_NE(e.Message.find("longer than 65536 bytes"), std::string::npos) << e.Message;
        }
    }
}

TEST(IdHttp, DoesNotFollowARedirect) {
    LoopbackHttpServer target(Serving("moved here"));
    LoopbackReply reply = Serving("");
    reply.Status = "301 Moved Permanently";
    reply.Headers = "Location: " + target.BaseUrl() + "v.txt\r\n";
    LoopbackHttpServer server(reply);
    TIdHTTP http(nullptr);
    EXPECT_THROW(http.Get(server.BaseUrl() + "v.txt"), EIdHTTPProtocolException);
    EXPECT_EQ(http.ResponseCode(), 301);
    EXPECT_TRUE(target.Requests().empty());
}

TEST(IdHttp, ASilentServerEndsInATimeOut) {
    LoopbackReply reply;
    reply.Silent = true;
    LoopbackHttpServer server(reply, 1);
    TIdHTTP http(nullptr);
    http.SetTimeout(300);
    // The server never answers and never closes: only the time-out can end the request.
    try {
        http.Get(server.BaseUrl() + "v.txt");
        ADD_FAILURE() << "a silent server gave an answer";
    } catch (const EIdSocketError& e) {
        EXPECT_NE(e.Message.find("Timeout"), std::string::npos) << e.Message;
    }
}

TEST(IdHttp, ARefusedConnectionIsASocketError) {
    TIdHTTP http(nullptr);
    EXPECT_THROW(http.Get("http://127.0.0.1:" + std::to_string(ClosedLoopbackPort()) + "/v.txt"),
                 EIdSocketError);
    EXPECT_EQ(http.ResponseCode(), 0);
}

} // namespace
