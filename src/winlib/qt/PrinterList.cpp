// The printer list: the CUPS queues Qt knows, in Qt's order, then the built-in PDF printer.
#include "PrinterImpl.h"

#include <QPrinterInfo>

// Queue names cannot contain blanks, so this name never collides with a system printer.
const char* const PdfPrinterName = "Ruliform PDF";

std::vector<TPrinterEntry> EnumeratePrinters(int& defaultIndex) {
    std::vector<TPrinterEntry> list;
    const QString defaultName = QPrinterInfo::defaultPrinterName();
    defaultIndex = -1;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
        if (info.printerName() == defaultName) defaultIndex = static_cast<int>(list.size());
        list.push_back({info.printerName(), false});
    }
    list.push_back({QString::fromUtf8(PdfPrinterName), true});
    if (defaultIndex < 0) defaultIndex = static_cast<int>(list.size()) - 1;
    return list;
}
