// Where the program asks for new releases and where its web links lead. Each address can be
// set from the environment; without it a placeholder under ".invalid" stands in, a name that
// never resolves.
#pragma once

#include "winlib/Classes.h"

// The update directory, ending in "/": RULIFORM_UPDATE_URL, or the placeholder.
AnsiString UpdateDirectoryUrl();
// True when RULIFORM_UPDATE_URL names a server; the start-up check asks only then.
bool UpdateServerConfigured();
AnsiString DownloadPageUrl(); // the product's page in the update directory
AnsiString HomePageUrl();     // RULIFORM_HOME_URL, or the placeholder
AnsiString WebForumUrl();     // RULIFORM_FORUM_URL (the forum script), with the product query
AnsiString MailToUrl();       // "mailto:" and RULIFORM_MAIL_ADDRESS, or the placeholder address

// The release this program is.
constexpr int RunningMajor = 1, RunningMinor = 31, RunningFix = 0;
constexpr const char* RunningVersionText = "1.31";
