// The printer's toolkit side as a whole: the CUPS queues Qt knows, the documents folder, and the
// printer object's device.
#include "PrinterImpl.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace ws {

std::unique_ptr<TWSPrinter> CreatePrinter(TPrinter* Printer) {
    return std::make_unique<TPrinterImpl>(Printer);
}

std::vector<AnsiString> PrinterQueues() {
    std::vector<AnsiString> queues;
    for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
        queues.push_back(info.printerName().toStdString());
    return queues;
}

AnsiString DefaultPrinterQueue() {
    return QPrinterInfo::defaultPrinterName().toStdString();
}

AnsiString DocumentsFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    return QDir(folder).absolutePath().toStdString();
}

void ReleaseWithToolkit(void (*Release)()) {
    if (QCoreApplication::instance()) qAddPostRoutine(Release);
}

} // namespace ws
