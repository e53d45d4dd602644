#include "CupsQueue.h"

#include <cups/cups.h>

namespace {
// A queue named with an instance ("queue/instance") is printed to under its own name.
AnsiString QueueName(const AnsiString& queue) {
    return queue.substr(0, queue.find('/'));
}

AnsiString LastCupsError() {
    const char* text = cupsLastErrorString();
    return text && *text ? AnsiString(text) : "error " + std::to_string(int(cupsLastError()));
}
} // namespace

AnsiString CupsQueueProblem(const AnsiString& queue) {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, QueueName(queue).c_str(), nullptr);
    if (dest) {
        cupsFreeDests(1, dest);
        return {};
    }
    const ipp_status_t status = cupsLastError();
    if (status == IPP_STATUS_OK || status == IPP_STATUS_ERROR_NOT_FOUND) return "no longer exists";
    return "cannot be reached (" + LastCupsError() + ")";
}

int SubmitCupsJob(const AnsiString& queue, const AnsiString& file, const AnsiString& title,
                  const AnsiString& media, bool landscape, AnsiString& error) {
    cups_option_t* options = nullptr;
    int count = 0;
    if (!media.empty()) count = cupsAddOption("media", media.c_str(), count, &options);
    // The pages are already laid out across; the option tells the filters not to turn them.
    if (landscape) count = cupsAddOption("landscape", "", count, &options);
    const int id = cupsPrintFile(QueueName(queue).c_str(), file.c_str(), title.c_str(), count, options);
    cupsFreeOptions(count, options);
    if (id == 0) error = LastCupsError();
    return id;
}
