#include "CupsQueue.h"

#include <QFile>

#include <cups/cups.h>

namespace {
// A queue named with an instance ("queue/instance") is printed to under its own name.
QByteArray QueueName(const QString& queue) {
    return queue.section('/', 0, 0).toLocal8Bit();
}

QString LastCupsError() {
    const char* text = cupsLastErrorString();
    return text && *text ? QString::fromLocal8Bit(text) : QString("error %1").arg(int(cupsLastError()));
}
} // namespace

QString CupsQueueProblem(const QString& queue) {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, QueueName(queue).constData(), nullptr);
    if (dest) {
        cupsFreeDests(1, dest);
        return {};
    }
    const ipp_status_t status = cupsLastError();
    if (status == IPP_STATUS_OK || status == IPP_STATUS_ERROR_NOT_FOUND) return "no longer exists";
    return "cannot be reached (" + LastCupsError() + ")";
}

int SubmitCupsJob(const QString& queue, const QString& file, const QString& title, const QString& media,
                  bool landscape, QString& error) {
    cups_option_t* options = nullptr;
    int count = 0;
    if (!media.isEmpty()) count = cupsAddOption("media", media.toUtf8().constData(), count, &options);
    // The pages are already laid out across; the option tells the filters not to turn them.
    if (landscape) count = cupsAddOption("landscape", "", count, &options);
    const int id = cupsPrintFile(QueueName(queue).constData(), QFile::encodeName(file).constData(),
                                 title.toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    if (id == 0) error = LastCupsError();
    return id;
}
