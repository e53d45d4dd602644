// Watching a private cups-pdf queue: the documents it has written and when its jobs are done.
#pragma once

#include "private_cups.h"
#include "winlib/test_printer_util.h"

#include <chrono>
#include <set>
#include <string>
#include <thread>

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

// Waits until the queue is idle and a document not in Before has appeared; empty on time-out.
inline std::string WaitForNewDocument(const std::set<std::string>& before, int seconds,
                                      const std::string& queue = TheCups().queue) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < end) {
        if (QueueIdle(queue)) {
            for (const std::string& f : OutputFiles())
                if (!before.count(f)) return f;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return "";
}

} // namespace cupsjobs
