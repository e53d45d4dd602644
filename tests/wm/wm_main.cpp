// Entry of the window-manager tests: starts a private X display with openbox and points this
// process at it before Qt is up, runs the tests on real windows, then stops the display.
// Without Xvfb or openbox the tests are reported as skipped, with the reason.
#include "WmSupport.h"

#include "winlib/DialogScript.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>

namespace {

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs the command and returns its output; Status gets its exit status.
std::string Run(const std::string& cmd, int* Status) {
    std::string out;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) {
        *Status = -1;
        return out;
    }
    char buf[512];
    while (size_t n = fread(buf, 1, sizeof buf, p))
        out.append(buf, n);
    const int rc = pclose(p);
    *Status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    return out;
}

struct PrivateDisplay {
    std::string dir;
    bool Start() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "ruliform-x-XXXXXX").string();
        if (!mkdtemp(tmpl.data())) {
            wm::SetSkipReason("cannot create a temporary folder");
            return false;
        }
        dir = tmpl;
        int status = -1;
        const std::string out = Run(Quote(RULIFORM_PRIVATE_X) + " start " + Quote(dir), &status);
        std::istringstream lines(out);
        std::string line, display, skip;
        while (std::getline(lines, line)) {
            if (line.rfind("display=", 0) == 0)
                display = line.substr(8);
            else if (line.rfind("skip: ", 0) == 0)
                skip += line.substr(6);
            else
                skip += "\n" + line;
        }
        if (status != 0 || display.empty()) {
            wm::SetSkipReason(skip.empty()
                                  ? "the private display script failed (exit " + std::to_string(status) + ")"
                                  : skip);
            return false;
        }
        setenv("DISPLAY", display.c_str(), 1);
        wm::SetSkipReason("");
        return true;
    }
    void Stop() {
        if (dir.empty()) return;
        int status = 0;
        Run(Quote(RULIFORM_PRIVATE_X) + " stop " + Quote(dir), &status);
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
};

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // Nothing of the user's desktop: no update server, no session, the display's own settings.
    unsetenv("RULIFORM_UPDATE_URL");
    unsetenv("SESSION_MANAGER");
    PrivateDisplay display;
    const bool up = display.Start();
    if (up)
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    else {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        std::printf("window-manager tests skipped: %s\n", wm::SkipReason().c_str());
    }
    int rc = 0;
    {
        QApplication app(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        // Boxes that only inform are recorded, so a test sees them without a person to close them.
        ForceDialogsHeadless(true);
        rc = RUN_ALL_TESTS();
        wm::Program::End();
    }
    display.Stop();
    return rc;
}
