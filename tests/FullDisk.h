// A folder that fills up for real, for the tests of what a full disk does to a print job.
//
// As root (as the suite runs in CI, and as the CUPS tests must) the folder is a small tmpfs of
// its own, mounted in a mount namespace private to the calling thread: nothing outside the test
// sees it, and the thread returns to its namespace at the end. Writes past its size fail with
// ENOSPC, a full disk. Elsewhere, a limit on the size of any file this process writes, with
// SIGXFSZ ignored, stands in: writes past it fail with EFBIG.
#pragma once

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

class FullDisk {
  public:
    // Folder is made when missing; Bytes is the room on the tmpfs, or the file-size limit.
    FullDisk(const std::filesystem::path& folder, size_t bytes) : folder_(folder) {
        std::filesystem::create_directories(folder_);
        if (::geteuid() == 0 && MountTmpfs(bytes)) return;
        // The limit waits until Fill: the files written before it must be whole.
        limitBytes_ = bytes;
    }
    ~FullDisk() {
        if (limited_) {
            ::setrlimit(RLIMIT_FSIZE, &oldLimit_);
            std::signal(SIGXFSZ, oldSignal_);
        }
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
        if (ownNs_ >= 0) {
            [[maybe_unused]] int r = ::setns(ownNs_, CLONE_NEWNS);
            ::close(ownNs_);
        }
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    // From here on writes past the room fail (the tmpfs is always so).
    void Fill() {
        if (mounted_ || limited_) return;
        ::getrlimit(RLIMIT_FSIZE, &oldLimit_);
        rlimit limit = oldLimit_;
        limit.rlim_cur = limitBytes_;
        oldSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        limited_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }

    // A real tmpfs (a full disk), not a file-size limit.
    bool Tmpfs() const { return mounted_; }
    // What the user is told the cause is.
    const char* CauseText() const {
        return mounted_ ? "ディスクの空き容量が足りません" : "ファイルの大きさの上限を超えました";
    }
    const std::filesystem::path& Folder() const { return folder_; }

  private:
    bool MountTmpfs(size_t bytes) {
        ownNs_ = ::open("/proc/thread-self/ns/mnt", O_RDONLY | O_CLOEXEC);
        if (ownNs_ < 0) return false;
        if (::unshare(CLONE_NEWNS) != 0) {
            ::close(ownNs_);
            ownNs_ = -1;
            return false;
        }
        // Nothing mounted here goes back to the namespace the thread came from.
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr);
        const std::string options = "size=" + std::to_string(bytes) + ",mode=1777";
        mounted_ =
            ::mount("ruliform-full", folder_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0;
        return mounted_;
    }

    std::filesystem::path folder_;
    int ownNs_ = -1;
    bool mounted_ = false;
    bool limited_ = false;
    size_t limitBytes_ = 0;
    rlimit oldLimit_{};
    void (*oldSignal_)(int) = SIG_DFL;
};
