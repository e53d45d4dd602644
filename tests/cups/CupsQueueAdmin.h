// What the tests that make a print fail for real share: changing the private server's queues as
// its administrator does, counting the jobs it has had, putting the spare queue back for the
// tests after, and reading the error box the user was shown.
#pragma once

#include "private_cups.h"
#include "winlib/DialogScript.h"
#include "winlib/test_printer_util.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace cupsadmin {

// An administration command of the private server; true when it succeeded.
inline bool Admin(const std::string& command) {
    int status = -1;
    printertest::RunCommand("PATH=\"$PATH:/usr/sbin:/sbin\" " + command, &status);
    return status == 0;
}

// Every job the server has had, finished or not: one line each.
inline size_t JobsEverSent() {
    const std::string list = printertest::RunCommand("lpstat -W all -o");
    return static_cast<size_t>(std::count(list.begin(), list.end(), '\n'));
}

// The spare queue added again as the server's start made it, when a test removed it.
inline void RestoreSpareQueue() {
    using printertest::Quote;
    const std::string spare = TheCups().spareQueue;
    if (printertest::RunCommand("lpstat -p " + Quote(spare)).empty()) {
        EXPECT_TRUE(Admin("lpadmin -p " + Quote(spare) + " -E -v cups-pdf:/ -P " + Quote(TheCups().ppd)));
    }
}

// The text of the last exception box, empty when none was shown.
inline std::string LastErrorBox() {
    for (auto m = ShownMessages().rbegin(); m != ShownMessages().rend(); ++m)
        if (m->Kind == ShownMessageKind::Exception) return m->Text;
    return "";
}

} // namespace cupsadmin
