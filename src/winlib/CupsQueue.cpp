#include "CupsQueue.h"

#include <cups/cups.h>
#include <cups/ppd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
// A queue named with an instance ("queue/instance") is printed to under its own name.
AnsiString QueueName(const AnsiString& queue) {
    return queue.substr(0, queue.find('/'));
}

AnsiString LastCupsError() {
    const char* text = cupsLastErrorString();
    return text && *text ? AnsiString(text) : "error " + std::to_string(int(cupsLastError()));
}

// Why the server could not be reached, in the user's words.
AnsiString ConnectionCause(int error) {
    switch (error) {
    // Nothing listens where the server should be.
    case ENOENT:
    case ECONNREFUSED:
        return "サーバーが動いていません";
    // libcups leaves this when the connection it tried was closed again unanswered.
    case EBADF:
    case ETIMEDOUT:
        return "サーバーが応答しません";
    case EACCES:
    case EPERM:
        return "接続する権限がありません";
    case EHOSTUNREACH:
    case ENETUNREACH:
    case EHOSTDOWN:
        return "サーバーに届きません";
    default:
        return "エラー番号 " + std::to_string(error);
    }
}

// A server that answered the question about a queue with an error.
AnsiString RefusalCause(ipp_status_t status) {
    switch (status) {
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
        return "サーバーが受け付けていません";
    case IPP_STATUS_ERROR_NOT_AUTHORIZED:
    case IPP_STATUS_ERROR_FORBIDDEN:
    case IPP_STATUS_ERROR_NOT_AUTHENTICATED:
        return "問い合わせる権限がありません";
    default:
        char code[16];
        std::snprintf(code, sizeof code, "0x%04X", unsigned(status));
        return AnsiString("サーバーのエラー ") + code;
    }
}

AnsiString ServerName() {
    const char* server = cupsServer();
    return server && *server ? AnsiString(server) : AnsiString("localhost");
}

// Asks the server itself for the queue: libcups reports a server it cannot reach as a queue
// it did not find.
TQueueCheck AskServer(const AnsiString& name) {
    TQueueCheck check;
    check.Server = ServerName();
    errno = 0;
    http_t* http =
        httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 5000, nullptr);
    if (!http) {
        check.State = TQueueState::ServerUnreachable;
        if (errno) check.Detail = ConnectionCause(errno);
        return check;
    }
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
                     name.c_str());
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-name");
    ipp_t* response = cupsDoRequest(http, request, "/");
    const ipp_status_t status = cupsLastError();
    if (response) ippDelete(response);
    httpClose(http);
    if (status == IPP_STATUS_ERROR_NOT_FOUND)
        check.State = TQueueState::Gone;
    else if (!response || status > IPP_STATUS_OK_EVENTS_COMPLETE) {
        check.State = TQueueState::ServerUnreachable;
        check.Detail = RefusalCause(status);
    }
    return check;
}
} // namespace

TQueueCheck CheckCupsQueue(const AnsiString& queue) {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, QueueName(queue).c_str(), nullptr);
    if (dest) {
        cupsFreeDests(1, dest);
        return {TQueueState::Ready, ServerName(), {}};
    }
    return AskServer(QueueName(queue));
}

AnsiString QueueProblemText(const AnsiString& queue, const TQueueCheck& check) {
    switch (check.State) {
    case TQueueState::Ready:
        return {};
    case TQueueState::Gone:
        return "プリンター「" + queue +
               "」が見つかりません。\n削除されたか、名前が変わった可能性があります。";
    case TQueueState::ServerUnreachable:
        return "印刷サーバーに接続できません。\nプリンター「" + queue +
               "」は使えません。\nサーバー: " + check.Server +
               (check.Detail.empty() ? AnsiString() : "（" + check.Detail + "）");
    }
    return {};
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

bool CupsPaperPoints(const AnsiString& queue, const AnsiString& key, double& width, double& height) {
    const AnsiString name = QueueName(queue);
    bool found = false;
    // A queue with a PPD (every local queue has one) declares its sheets there, to the point.
    // libcups marks its PPD functions as old; they are still the way to read a queue's PPD.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (const char* ppdFile = cupsGetPPD(name.c_str())) {
        if (ppd_file_t* ppd = ppdOpenFile(ppdFile)) {
            for (int i = 0; i < ppd->num_sizes && !found; ++i) {
                const ppd_size_t& size = ppd->sizes[i];
                if (key == size.name && size.width > 0 && size.length > 0) {
                    width = size.width;
                    height = size.length;
                    found = true;
                }
            }
            ppdClose(ppd);
        }
        std::remove(ppdFile);
    }
#pragma GCC diagnostic pop
    if (found) return true;
    // A driverless queue declares its media over IPP, in hundredths of a millimetre.
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.c_str(), nullptr);
    if (!dest) return false;
    if (cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
        cups_size_t size{};
        if (cupsGetDestMediaByName(CUPS_HTTP_DEFAULT, dest, info, key.c_str(), CUPS_MEDIA_FLAGS_DEFAULT,
                                   &size) &&
            size.width > 0 && size.length > 0) {
            width = size.width * 72.0 / 2540.0;
            height = size.length * 72.0 / 2540.0;
            found = true;
        }
        cupsFreeDestInfo(info);
    }
    cupsFreeDests(1, dest);
    return found;
}
