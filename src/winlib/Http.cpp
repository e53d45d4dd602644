#include "Http.h"

#include <curl/curl.h>

#include <algorithm>
#include <memory>
#include <mutex>

namespace {

struct Body {
    AnsiString text;
    size_t limit = 0;
    bool tooLong = false;
};

// Takes the next piece of the decoded body; one that would pass the limit ends the transfer.
size_t AppendBody(char* data, size_t size, size_t count, void* target) {
    auto* body = static_cast<Body*>(target);
    const size_t n = size * count;
    if (n > body->limit - body->text.size()) {
        body->tooLong = true;
        return 0;
    }
    body->text.append(data, n);
    return n;
}

struct CurlDeleter {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

} // namespace

AnsiString TIdHTTP::Get(const AnsiString& URL) {
    static std::once_flag globalInit;
    std::call_once(globalInit, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    responseCode_ = 0;

    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl) throw EIdSocketError("Socket Error: cannot start a request");
    const std::unique_ptr<curl_slist, CurlDeleter> headers(
        curl_slist_append(nullptr, ("Accept: " + accept_).c_str()));

    Body body;
    body.limit = static_cast<size_t>(std::max(maxBodyBytes_, 0));
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, URL.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(c, CURLOPT_PROXY, ""); // no proxy, whatever the environment says
    curl_easy_setopt(c, CURLOPT_ACCEPT_ENCODING, "gzip, deflate");
    curl_easy_setopt(c, CURLOPT_COOKIEFILE, ""); // cookies kept for the request
    curl_easy_setopt(c, CURLOPT_USERAGENT, userAgent_.c_str());
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, static_cast<long>(timeoutMs_));
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(timeoutMs_));
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &AppendBody);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &body);

    const CURLcode rc = curl_easy_perform(c);
    long status = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    responseCode_ = static_cast<int>(status);
    if (body.tooLong)
        throw EIdHTTPProtocolException("Response body longer than " + IntToStr(maxBodyBytes_) + " bytes");
    if (rc != CURLE_OK) throw EIdSocketError(AnsiString("Socket Error: ") + curl_easy_strerror(rc));
    if (status < 200 || status >= 300) throw EIdHTTPProtocolException("HTTP/1.1 " + IntToStr(status));
    return body.text;
}
