#include "Shell.h"
#include "widgetset/WSShell.h"

namespace {
bool recording = false;
}

void RecordShellOpens(bool On) {
    recording = On;
}

std::vector<ShellOpenRecord>& RecordedShellOpens() {
    static std::vector<ShellOpenRecord> records;
    return records;
}

int ShellExecuteA(TWinControl*, const AnsiString& Operation, const AnsiString& File, const AnsiString&,
                  const AnsiString&, int ShowCmd) {
    if (recording) {
        RecordedShellOpens().push_back({Operation, File, ShowCmd});
        return 33;
    }
    if (Operation != "open") return 0;
    return ws::OpenAddress(File) ? 33 : 0;
}
