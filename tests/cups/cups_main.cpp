// Entry of the CUPS tests: starts a private cupsd with a cups-pdf queue and points this process
// at it (CUPS_SERVER) before Qt is up, runs the tests, stops the server.
#include "private_cups.h"
#include "winlib/test_printer_util.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

PrivateCups& TheCups() {
    static PrivateCups cups;
    return cups;
}

namespace {

void StartCups(PrivateCups& cups) {
    std::string tmpl = (std::filesystem::temp_directory_path() / "ruliform-cups-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) {
        cups.skipReason = "cannot create a temporary folder";
        return;
    }
    cups.dir = tmpl;
    int status = -1;
    const std::string out = printertest::RunCommand(
        printertest::Quote(RULIFORM_PRIVATE_CUPSD) + " start " + printertest::Quote(cups.dir), &status);
    std::istringstream lines(out);
    std::string line, skip;
    while (std::getline(lines, line)) {
        auto value = [&](const char* key) {
            return line.rfind(key, 0) == 0 ? line.substr(std::strlen(key)) : "";
        };
        if (line.rfind("socket=", 0) == 0)
            cups.socket = value("socket=");
        else if (line.rfind("queue=", 0) == 0)
            cups.queue = value("queue=");
        else if (line.rfind("margins_queue=", 0) == 0)
            cups.marginsQueue = value("margins_queue=");
        else if (line.rfind("wide_margins_queue=", 0) == 0)
            cups.wideMarginsQueue = value("wide_margins_queue=");
        else if (line.rfind("spare_queue=", 0) == 0)
            cups.spareQueue = value("spare_queue=");
        else if (line.rfind("ppd=", 0) == 0)
            cups.ppd = value("ppd=");
        else if (line.rfind("out=", 0) == 0)
            cups.outDir = value("out=");
        else if (line.rfind("skip: ", 0) == 0)
            skip += line.substr(6);
        else
            skip += "\n" + line;
    }
    if (status != 0 || cups.socket.empty() || cups.queue.empty() || cups.marginsQueue.empty() ||
        cups.wideMarginsQueue.empty() || cups.spareQueue.empty() || cups.ppd.empty() || cups.outDir.empty())
        cups.skipReason =
            skip.empty() ? "the private cupsd script failed (exit " + std::to_string(status) + ")" : skip;
    else
        setenv("CUPS_SERVER", cups.socket.c_str(), 1);
}

void StopCups(PrivateCups& cups) {
    if (cups.dir.empty()) return;
    printertest::RunCommand(printertest::Quote(RULIFORM_PRIVATE_CUPSD) + " stop " +
                            printertest::Quote(cups.dir));
    if (!std::getenv("RULIFORM_KEEP_CUPS")) {
        std::error_code ec;
        std::filesystem::remove_all(cups.dir, ec);
    } else {
        std::printf("private CUPS folder kept: %s\n", cups.dir.c_str());
    }
}

} // namespace

void StopTheCups() {
    PrivateCups& cups = TheCups();
    printertest::RunCommand(printertest::Quote(RULIFORM_PRIVATE_CUPSD) + " stop " +
                            printertest::Quote(cups.dir));
}

bool StartTheCupsAgain() {
    PrivateCups& cups = TheCups();
    // A socket left by the server that stopped would pass for the new one before it listens.
    std::error_code ec;
    std::filesystem::remove(cups.socket, ec);
    int status = -1;
    printertest::RunCommand(
        printertest::Quote(RULIFORM_PRIVATE_CUPSD) + " start " + printertest::Quote(cups.dir), &status);
    return status == 0;
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    PrivateCups& cups = TheCups();
    StartCups(cups);
    if (!cups.Running()) std::printf("CUPS tests skipped: %s\n", cups.skipReason.c_str());
    int rc = 0;
    {
        QApplication app(argc, argv);
        rc = RUN_ALL_TESTS();
    }
    StopCups(cups);
    return rc;
}
