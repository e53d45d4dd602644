// Watching a private cups-pdf queue: the documents it has written and when its jobs are done.
#pragma once

#include "EventWait.h"
#include "private_cups.h"
#include "winlib/test_printer_util.h"

#include <set>
#include <string>

namespace cupsjobs {

inline std::set<std::string> OutputFiles() {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(TheCups().outDir))
        if (e.path().extension() == ".pdf") names.insert(e.path().string());
    return names;
}

inline bool QueueIdle(const std::string& queue) {
    return printertest::RunCommand("lpstat -W not-completed -o " + printertest::Quote(queue)).empty();
}

// Waits until the queue is idle and a document not in Before has appeared; empty when none has
// after Seconds (a deadline for a hung server, not a measure of speed).
inline std::string WaitForNewDocument(const std::set<std::string>& before, int seconds,
                                      const std::string& queue = TheCups().queue) {
    std::string found;
    eventwait::Until(
        [&] {
            if (!QueueIdle(queue)) return false;
            for (const std::string& f : OutputFiles())
                if (!before.count(f)) found = f;
            return !found.empty();
        },
        seconds * 1000, 200);
    return found;
}

} // namespace cupsjobs
