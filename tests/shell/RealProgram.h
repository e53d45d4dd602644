// The built program run as a process of its own, headless, from a copy in a folder of its own
// (the program keeps its settings file and database beside its executable), with a home of
// its own, so that nothing of the user's is read or written.
#pragma once

#include "EventWait.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

class RealProgram {
  public:
    // OnDisplay runs it on the X display of DISPLAY instead of headless, for tests that give it
    // a person's keys and clicks.
    explicit RealProgram(std::filesystem::path folder, bool OnDisplay = false)
        : folder_(std::move(folder)), onDisplay_(OnDisplay) {
        std::filesystem::create_directories(folder_ / "home");
        std::filesystem::copy_file(RULIFORM_PROGRAM, Executable(),
                                   std::filesystem::copy_options::overwrite_existing);
    }
    ~RealProgram() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    RealProgram(const RealProgram&) = delete;
    RealProgram& operator=(const RealProgram&) = delete;

    std::filesystem::path Executable() const { return folder_ / "ruliform"; }
    std::filesystem::path Path(const std::string& name) const { return folder_ / name; }

    // Starts the program. The database goes first: its appearance tells that the new run has
    // come as far as its main window (see WaitUntilStarted).
    void Start() {
        std::filesystem::remove(Path("rulif.db3"));
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) {
            const std::string v = *e;
            for (const char* drop : {"QT_QPA_PLATFORM=", "HOME=", "XDG_CONFIG_HOME=", "RULIFORM_UPDATE_URL="})
                if (v.rfind(drop, 0) == 0) goto skip;
            env.push_back(v);
        skip:;
        }
        env.push_back(onDisplay_ ? "QT_QPA_PLATFORM=xcb" : "QT_QPA_PLATFORM=offscreen");
        env.push_back("HOME=" + (folder_ / "home").string());
        env.push_back("XDG_CONFIG_HOME=" + (folder_ / "home" / ".config").string());
        std::vector<char*> envp;
        for (std::string& v : env)
            envp.push_back(v.data());
        envp.push_back(nullptr);
        const std::string exe = Executable().string();
        char* argv[] = {const_cast<char*>(exe.c_str()), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        const std::string log = Path("output.log").string();
        posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        const std::string cwd = folder_.string();
        posix_spawn_file_actions_addchdir_np(&actions, cwd.c_str());
        ASSERT_EQ(posix_spawn(&pid_, exe.c_str(), &actions, nullptr, argv, envp.data()), 0);
        posix_spawn_file_actions_destroy(&actions);
    }

    // True once the program has come as far as its database, which its main window opens just
    // before it reads the settings; signals that come from then on are answered once the
    // window stands.
    bool WaitUntilStarted() {
        return WaitFor([&] { return std::filesystem::exists(Path("rulif.db3")) || Exited(); }) && !Exited();
    }

    void Signal(int sig) { ::kill(pid_, sig); }
    pid_t Pid() const { return pid_; }

    // The exit status once the program has ended, or nothing when it has not within the deadline.
    std::optional<int> WaitForExit() {
        if (!WaitFor([&] { return Exited(); })) return std::nullopt;
        return status_;
    }

  private:
    template <class F> static bool WaitFor(F done) {
        return eventwait::Until(done, eventwait::kDeadlineMs, 20);
    }
    bool Exited() {
        if (pid_ <= 0) return true;
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) != pid_) return false;
        pid_ = -1;
        status_ = status;
        return true;
    }
    std::filesystem::path folder_;
    bool onDisplay_ = false;
    pid_t pid_ = -1;
    int status_ = 0;
};
