// The print job: pages are drawn into a PDF document that becomes the PDF printer's file, or is
// handed to the CUPS queue as one job once it is complete. Every write is checked: a document
// that could not be written whole replaces no file and goes to no queue.
#include "CupsQueue.h"
#include "PrinterGeometry.h"
#include "Printers.h"
#include "SysUtils.h"
#include "widgetset/WSPrinters.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The partial document sits next to the target and replaces it only when complete, so a failed
// or aborted job never leaves a truncated file nor destroys the previous one.
AnsiString PartFileFor(const AnsiString& target) {
    std::error_code error;
    std::filesystem::path path = std::filesystem::absolute(target, error);
    if (error) path = target;
    path = path.lexically_normal();
    return path.parent_path().string() + "/." + path.filename().string() + "." + std::to_string(getpid()) +
           ".part";
}

AnsiString FolderOf(const AnsiString& file) {
    const std::filesystem::path parent = std::filesystem::path(file).parent_path();
    return parent.empty() ? AnsiString(".") : parent.string();
}

// The temporary folder CUPS jobs' documents are written in.
AnsiString SpoolFolder() {
    const char* tmp = std::getenv("TMPDIR");
    AnsiString folder = tmp && *tmp ? tmp : "/tmp";
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

// A new, empty file in Folder for a CUPS job's document: its descriptor, or -1 with errno set.
int NewSpoolFile(const AnsiString& folder, AnsiString& name) {
    name = folder + "/ruliform-job-XXXXXX.pdf";
    const int fd = mkostemps(name.data(), 4, O_CLOEXEC);
    if (fd < 0) name.clear();
    return fd;
}

void RemoveFile(const AnsiString& file) {
    if (!file.empty()) std::remove(file.c_str());
}

// The cause of a failed write in the user's words.
AnsiString CauseText(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return "ディスクの空き容量が足りません。";
    case EFBIG:
        return "ファイルの大きさの上限を超えました。";
    case EACCES:
    case EPERM:
        return "書き込む権限がありません。";
    case ENOENT:
    case ENOTDIR:
        return "フォルダーがありません。";
    case EROFS:
        return "読み取り専用の場所には書き込めません。";
    case EISDIR:
        return "同じ名前のフォルダーがあります。";
    case ENAMETOOLONG:
        return "ファイル名が長すぎます。";
    default:
        return "書き込み中にエラーが起きました（" + AnsiString(std::strerror(error)) + "）。";
    }
}

// A PDF document ends with its trailer: a file cut short anywhere lacks it.
bool EndsLikeAPdf(int fd) {
    struct stat st {};
    if (fstat(fd, &st) != 0 || st.st_size < 64) return false;
    char tail[64];
    if (pread(fd, tail, sizeof tail, st.st_size - static_cast<off_t>(sizeof tail)) != sizeof tail)
        return false;
    const std::string text(tail, sizeof tail);
    return text.find("startxref") != std::string::npos && text.find("%%EOF") != std::string::npos;
}

// Closes Fd: 0, or the errno of a close that failed (some file systems report a full disk only
// then).
int CloseFile(int fd) {
    return close(fd) == 0 || errno == EINTR ? 0 : errno;
}

// Makes the rename of a file in Folder last across a crash; best effort.
void SyncFolder(const AnsiString& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

} // namespace

AnsiString TPrinter::WriteFailureText(int error) const {
    if (IsPdfPrinter()) {
        AnsiString text = "PDFファイルを書き込めませんでした。\n" + outputFile_ + "\n" + CauseText(error);
        std::error_code exists;
        if (std::filesystem::is_regular_file(outputFile_.c_str(), exists))
            text += "\n前のファイルはそのまま残っています。";
        return text;
    }
    return "プリンター「" + printers_[index_] +
           "」に送る印刷データを書き込めませんでした。\n一時フォルダー: " + SpoolFolder() + "\n" +
           CauseText(error) + "\n印刷データは送っていません。";
}

void TPrinter::FailJob(const AnsiString& message) {
    Abort();
    throw EPrinter(message);
}

void TPrinter::StartPage() {
    ws_->StartPage(PrinterGeometry(ws_->PageMetrics()).printable);
}

void TPrinter::BeginDoc() {
    if (printing_) throw EPrinter("印刷中です。");
    const AnsiString& name = printers_[index_];
    AnsiString file;
    int fd = -1;
    if (IsPdfPrinter()) {
        if (outputFile_.empty()) throw EPrinter("PDFファイルの名前がありません。");
        // A folder of that name cannot be replaced: say so before anything is drawn.
        std::error_code error;
        if (std::filesystem::is_directory(outputFile_.c_str(), error))
            throw EPrinter(WriteFailureText(EISDIR));
        file = PartFileFor(outputFile_);
        fd = open(file.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            // The part file's folder is the target's: its problems are the target's.
            const int cause = errno == EEXIST ? EIO : errno;
            throw EPrinter(WriteFailureText(cause));
        }
    } else {
        // A queue removed while the program runs, or a server that does not answer, takes no
        // job: say so before anything is drawn.
        const TQueueCheck check = CheckCupsQueue(name);
        if (check.State != TQueueState::Ready) throw EPrinter(QueueProblemText(name, check));
        fd = NewSpoolFile(SpoolFolder(), file);
        if (fd < 0) throw EPrinter(WriteFailureText(errno));
    }
    if (!ws_->StartJob(fd, title_)) {
        close(fd);
        RemoveFile(file);
        throw EPrinter(IsPdfPrinter() ? "PDFファイルを作れませんでした。\n" + outputFile_
                                      : "プリンター「" + name + "」の印刷を始められませんでした。");
    }
    jobFile_ = file;
    jobFd_ = fd;
    printing_ = true;
    aborted_ = false;
    pageNumber_ = 1;
    StartPage();
}

void TPrinter::NewPage() {
    if (!printing_) throw EPrinter("印刷中ではありません。");
    if (const int error = ws_->NextPage()) FailJob(WriteFailureText(error));
    StartPage();
    ++pageNumber_;
}

void TPrinter::EndDoc() {
    if (!printing_) throw EPrinter("印刷中ではありません。");
    int error = ws_->FinishJob();
    printing_ = false;
    pageNumber_ = 0;
    const AnsiString file = jobFile_;
    const int fd = jobFd_;
    jobFile_.clear();
    jobFd_ = -1;
    // The document must be whole and, for the PDF printer, on the disk before it replaces
    // anything: a full disk may only show at the sync or the close.
    if (!error && !EndsLikeAPdf(fd)) error = EIO;
    if (!error && IsPdfPrinter() && fsync(fd) != 0) error = errno;
    const int closed = CloseFile(fd);
    if (!error) error = closed;
    if (error) {
        RemoveFile(file);
        throw EPrinter(WriteFailureText(error));
    }

    if (IsPdfPrinter()) {
        if (std::rename(file.c_str(), outputFile_.c_str()) != 0) {
            error = errno;
            RemoveFile(file);
            throw EPrinter(WriteFailureText(error));
        }
        SyncFolder(FolderOf(outputFile_));
        return;
    }

    const AnsiString& queue = printers_[index_];
    AnsiString reason;
    const int id = SubmitCupsJob(queue, file, title_, ws_->Paper().Key, ws_->Landscape(), reason);
    RemoveFile(file);
    if (id != 0) return;
    // The queue may have gone, or the server stopped, while the pages were drawn.
    const TQueueCheck check = CheckCupsQueue(queue);
    if (check.State != TQueueState::Ready) throw EPrinter(QueueProblemText(queue, check));
    throw EPrinter("プリンター「" + queue + "」が印刷を受け付けませんでした。\n" + reason);
}

void TPrinter::Abort() {
    // Also called from error paths, so a printer that is not printing is left alone quietly.
    if (!printing_) return;
    // The document is only handed on by EndDoc: dropping it leaves nothing behind.
    ws_->AbortJob();
    if (jobFd_ >= 0) close(jobFd_);
    jobFd_ = -1;
    RemoveFile(jobFile_);
    jobFile_.clear();
    printing_ = false;
    aborted_ = true;
    pageNumber_ = 0;
}

TCanvas* TPrinter::Canvas() {
    return canvas_.get();
}
