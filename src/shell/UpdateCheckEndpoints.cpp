#include "UpdateCheck.h"

#include <cstdlib>

namespace {

AnsiString FromEnvironment(const char* name, const char* fallback) {
    const char* v = std::getenv(name);
    return v && *v ? AnsiString(v) : AnsiString(fallback);
}

} // namespace

AnsiString UpdateDirectoryUrl() {
    AnsiString url = FromEnvironment("RULIFORM_UPDATE_URL", "http://updates.invalid/ruliform/");
    if (url.back() != '/') url += '/';
    return url;
}

bool UpdateServerConfigured() {
    const char* v = std::getenv("RULIFORM_UPDATE_URL");
    return v && *v;
}

AnsiString DownloadPageUrl() {
    return UpdateDirectoryUrl() + "index.html";
}

AnsiString HomePageUrl() {
    return FromEnvironment("RULIFORM_HOME_URL", "http://www.ruliform.invalid/");
}

AnsiString WebForumUrl() {
    return FromEnvironment("RULIFORM_FORUM_URL", "http://www.ruliform.invalid/cgi-bin/wforum.cgi") +
           "?Ruliform=Ruliform";
}

AnsiString MailToUrl() {
    return "mailto:" + FromEnvironment("RULIFORM_MAIL_ADDRESS", "author@ruliform.invalid");
}
