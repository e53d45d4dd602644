// A blocking HTTP client: one GET returns the response body as text. Compressed bodies (gzip,
// deflate) are decoded, redirects are not followed, no proxy is used, every request ends
// within its time-out so a silent server cannot hang the program, and reading stops at a body
// limit so an endless answer cannot fill the memory.
#pragma once

#include "Classes.h"
#include "SysUtils.h"

// The connection could not be made or broke off (refused, no such host, time-out).
RULIFORM_EXCEPTION(EIdSocketError, Exception)
// The server answered with a status other than 2xx (a redirect included), or with a body beyond
// the limit.
RULIFORM_EXCEPTION(EIdHTTPProtocolException, Exception)

class TIdHTTP : public TComponent {
  public:
    explicit TIdHTTP(TComponent* AOwner) : TComponent(AOwner) {}

    const AnsiString& UserAgent() const { return userAgent_; }
    void SetUserAgent(const AnsiString& a) { userAgent_ = a; }
    const AnsiString& Accept() const { return accept_; }
    void SetAccept(const AnsiString& a) { accept_ = a; }
    // Milliseconds for the whole request, connection included.
    int Timeout() const { return timeoutMs_; }
    void SetTimeout(int ms) { timeoutMs_ = ms; }
    // The most bytes of (decoded) body a GET accepts; a longer answer fails.
    int MaxBodyBytes() const { return maxBodyBytes_; }
    void SetMaxBodyBytes(int n) { maxBodyBytes_ = n; }
    // The status of the last answer, 0 when none came.
    int ResponseCode() const { return responseCode_; }

    AnsiString Get(const AnsiString& URL);

  private:
    AnsiString userAgent_ = "Mozilla/3.0 (compatible; Indy Library)";
    AnsiString accept_ = "text/html, */*";
    int timeoutMs_ = 10000;
    int maxBodyBytes_ = 64 * 1024; // a version file is a few short lines
    int responseCode_ = 0;
};
