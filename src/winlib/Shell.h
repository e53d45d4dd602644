// The desktop shell: opening a web address or a "mailto:" address with the user's own program.
#pragma once

#include "Controls.h"

#include <vector>

enum : int { SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_SHOW = 5 };

// Only the verb "open" is known; the owner, parameters, directory and show mode do not change
// how the desktop opens an address. Returns a value above 32 when the address was handed on.
int ShellExecuteA(TWinControl* Owner, const AnsiString& Operation, const AnsiString& File,
                  const AnsiString& Parameters, const AnsiString& Directory, int ShowCmd);

// Test seam: while recording is on, nothing is opened; each call is kept instead.
struct ShellOpenRecord {
    AnsiString Operation;
    AnsiString File;
    int ShowCmd = 0;
};
void RecordShellOpens(bool On);
std::vector<ShellOpenRecord>& RecordedShellOpens(); // tests read and clear it
