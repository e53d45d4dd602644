// The busy cursor over the program's windows while long work holds the one thread.
#pragma once

#include "winlib/Forms.h"

// Shows the busy cursor for as long as it lives, and puts back the cursor it found when it goes,
// whether the work ends normally, returns early or fails with an exception.
class TBusyCursor {
  public:
    TBusyCursor() : saved_(Screen->Cursor()) { Screen->SetCursor(crHourGlass); }
    ~TBusyCursor() { Screen->SetCursor(saved_); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;

  private:
    TCursor saved_;
};
