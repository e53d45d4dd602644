// Runs a stretch of a test as an ordinary user when the suite runs as root (as CI does), so that
// file permissions bind: root is exempt from them. The tree handed over becomes that user's.
#pragma once

#include <filesystem>
#include <unistd.h>

class UnprivilegedScope {
  public:
    static constexpr uid_t kNobody = 65534;

    explicit UnprivilegedScope(const std::filesystem::path& tree) {
        if (::geteuid() != 0) return;
        ChownTree(tree);
        dropped_ = ::setegid(kNobody) == 0 && ::seteuid(kNobody) == 0;
    }
    ~UnprivilegedScope() {
        if (::geteuid() != 0 && dropped_) {
            [[maybe_unused]] int a = ::seteuid(0);
            [[maybe_unused]] int b = ::setegid(0);
        }
    }
    UnprivilegedScope(const UnprivilegedScope&) = delete;
    UnprivilegedScope& operator=(const UnprivilegedScope&) = delete;

  private:
    static void ChownTree(const std::filesystem::path& tree) {
        [[maybe_unused]] int r = ::lchown(tree.c_str(), kNobody, kNobody);
        std::error_code ec;
        for (auto it = std::filesystem::recursive_directory_iterator(tree, ec);
             !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
            r = ::lchown(it->path().c_str(), kNobody, kNobody);
    }
    bool dropped_ = false;
};
