// Handing an address to the desktop through Qt.
#include "winlib/widgetset/WSShell.h"

#include <QDesktopServices>
#include <QUrl>

bool ws::OpenAddress(const AnsiString& Address) {
    const QUrl url(QString::fromUtf8(Address.c_str()), QUrl::TolerantMode);
    return url.isValid() && QDesktopServices::openUrl(url);
}
