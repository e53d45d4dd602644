// Watches the cursor the program shows over its windows, from a thread of its own, while the
// program's one thread is held by long work.
#pragma once

#include "winlib/Forms.h"

#include <atomic>
#include <thread>

class CursorWatch {
  public:
    // Returns once the watching thread runs.
    CursorWatch()
        : thread_([this] {
              started_ = true;
              while (!stop_)
                  if (Screen->Cursor() == crHourGlass) sawBusy_ = true;
          }) {
        while (!started_)
            std::this_thread::yield();
    }
    ~CursorWatch() { Stop(); }
    CursorWatch(const CursorWatch&) = delete;
    CursorWatch& operator=(const CursorWatch&) = delete;

    // Ends the watch: true when the busy cursor was seen meanwhile.
    bool Stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        return sawBusy_;
    }

  private:
    std::atomic<bool> started_{false}, stop_{false}, sawBusy_{false};
    std::thread thread_;
};
