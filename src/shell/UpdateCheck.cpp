// Asking the update server for the newest release, and offering its download.
#include "UpdateCheck.h"
#include "Unit1.h"

#include "winlib/Http.h"
#include "winlib/Shell.h"

#include <memory>
#include <optional>

namespace {

const char* const kCaption = "Ruliformアップデートチェック";

enum class Release { Current, Newer, BugFix };

// The version file: line 1 is not read, lines 2 to 4 are major, minor and fix. A line is
// converted only when the lines before it did not already decide.
Release CompareWithRunning(const TStringList& lines) {
    if (StrToInt(lines[1]) > RunningMajor) return Release::Newer;
    if (StrToInt(lines[2]) > RunningMinor) return Release::Newer;
    if (StrToInt(lines[3]) > RunningFix) return Release::BugFix;
    return Release::Current;
}

// Fetches the file and compares it; nullopt when the server could not be asked or the file
// could not be read.
std::optional<Release> AskServer(const char* fileName) {
    auto lines = std::make_unique<TStringList>();
    try {
        TIdHTTP http(nullptr);
        lines->SetText(http.Get(UpdateDirectoryUrl() + fileName));
        return CompareWithRunning(*lines);
    } catch (const Exception&) {
        return std::nullopt;
    }
}

void ShowConnectionMessage() {
    ShowMessage("インターネットに接続できません\n"
                "アップデートチェックをするにはインターネットに接続している必要があります\n"
                "接続を確認してください");
}

// The download offer; true when the user said Yes (the download page is then open).
bool OfferDownload(TForm1* form, const AnsiString& what) {
    if (MessageBox(what + "\n" + "ダウンロードしますか？", kCaption, MB_YESNO) != IDYES) return false;
    ShellExecuteA(form, "open", DownloadPageUrl(), "", "", SW_SHOWNORMAL);
    return true;
}

} // namespace

void TForm1::CheckForUpdateAtStart() {
    ReadUpdateCheckSetting();
    if (!CheckUpdate1->Checked() || !UpdateServerConfigured()) return;
    const std::optional<Release> release = AskServer("version.txt");
    if (!release) {
        ShowConnectionMessage();
        return;
    }
    // At start any later release is simply "the newest"; the bug-fix wording is the menu's.
    if (*release != Release::Current && OfferDownload(this, "最新版があります")) Application->Terminate();
}

void TForm1::UpdateCheck1Click(TObject*) {
    const std::optional<Release> release = AskServer("__version.txt");
    if (!release)
        ShowConnectionMessage();
    else if (*release == Release::Newer)
        OfferDownload(this, "最新版があります");
    else if (*release == Release::BugFix)
        OfferDownload(this, "バグ修正版があります");
    else
        ShowMessage("最新バージョン" + AnsiString(RunningVersionText) + "を利用しています");
}

void TForm1::CheckUpdate1Click(TObject*) {
    CheckUpdate1->SetChecked(!CheckUpdate1->Checked());
}
