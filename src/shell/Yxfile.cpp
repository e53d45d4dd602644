#include "Yxfile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

AnsiString WithoutTrailingSlash(AnsiString p) {
    while (p.size() > 1 && p.back() == '/')
        p.pop_back();
    return p;
}

AnsiString Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? AnsiString(v) : AnsiString();
}

AnsiString HomeFolder() {
    AnsiString home = Env("HOME");
    if (home.empty())
        if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) home = pw->pw_dir;
    return WithoutTrailingSlash(home);
}

bool IsFolder(const AnsiString& p) {
    struct stat st {};
    return !p.empty() && ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

AnsiString& ProgramFolderOverride() {
    static AnsiString folder;
    return folder;
}

AnsiString ExecutableFolder() {
    if (!ProgramFolderOverride().empty()) return ProgramFolderOverride();
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "";
    const AnsiString exe(buf, static_cast<size_t>(n));
    const size_t slash = exe.rfind('/');
    if (slash == AnsiString::npos) return "";
    return slash == 0 ? AnsiString("/") : exe.substr(0, slash);
}

// A user folder from the environment, then from ~/.config/user-dirs.dirs (which names the
// localised folders, "ドキュメント" and the like), then the usual English name when it exists.
AnsiString UserFolder(const char* xdgName, const char* fallback) {
    AnsiString v = Env(xdgName);
    const AnsiString home = HomeFolder();
    if (v.empty()) {
        AnsiString config = Env("XDG_CONFIG_HOME");
        if (config.empty() || config[0] != '/') config = home + "/.config";
        std::ifstream in(config + "/user-dirs.dirs");
        const AnsiString prefix = AnsiString(xdgName) + "=";
        for (AnsiString line; std::getline(in, line);) {
            if (line.compare(0, prefix.size(), prefix) != 0) continue;
            AnsiString value = line.substr(prefix.size());
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
                value = value.substr(1, value.size() - 2);
            if (value.compare(0, 5, "$HOME") == 0) value = home + value.substr(5);
            v = value;
        }
    }
    if (!v.empty() && v[0] == '/') return WithoutTrailingSlash(v);
    const AnsiString usual = home + "/" + fallback;
    return IsFolder(usual) ? usual : home;
}

bool MakeFolders(const AnsiString& path) {
    for (size_t p = 1; p <= path.size(); ++p) {
        if (p != path.size() && path[p] != '/') continue;
        const AnsiString part = path.substr(0, p);
        if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) return false;
    }
    return IsFolder(path);
}

// Copies a regular file to a path where nothing is yet: written beside it under a temporary
// name and then linked into place, so that a copy cut short is never taken for the file.
void CopyIfMissing(const AnsiString& from, const AnsiString& to) {
    struct stat st {};
    if (::lstat(to.c_str(), &st) == 0 || errno != ENOENT) return;
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in < 0) return;
    AnsiString tmp = to + ".XXXXXX";
    int out = -1;
    bool ok = ::fstat(in, &st) == 0 && S_ISREG(st.st_mode) && (out = ::mkostemp(tmp.data(), O_CLOEXEC)) >= 0;
    char buf[65536];
    while (ok) {
        const ssize_t n = ::read(in, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        for (ssize_t done = 0; ok && done < n;) {
            const ssize_t w = ::write(out, buf + done, static_cast<size_t>(n - done));
            if (w < 0 && errno == EINTR) continue;
            ok = w > 0;
            done += w > 0 ? w : 0;
        }
    }
    ::close(in);
    if (out < 0) return;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ok = ok && ::fchmod(out, 0666 & ~mask) == 0 && ::fsync(out) == 0;
    ok = ::close(out) == 0 && ok;
    // link() puts the copy in place only while nothing is there yet.
    if (ok) [[maybe_unused]]
        const int linked = ::link(tmp.c_str(), to.c_str());
    ::unlink(tmp.c_str());
}

} // namespace

AnsiString GetSpecialFolder(int kind) {
    switch (kind) {
    case 0:
        return ExecutableFolder();
    case 1:
        return "/usr";
    case 2:
        return "/usr/lib";
    case 3: {
        char buf[PATH_MAX];
        return ::getcwd(buf, sizeof buf) ? AnsiString(buf) : AnsiString();
    }
    case 4: {
        const AnsiString tmp = Env("TMPDIR");
        return tmp.empty() ? AnsiString("/tmp") : WithoutTrailingSlash(tmp);
    }
    case 5:
        return "/usr/bin";
    case 8:
        return UserFolder("XDG_DOCUMENTS_DIR", "Documents");
    case 9:
        return UserFolder("XDG_DESKTOP_DIR", "Desktop");
    case 11: {
        const AnsiString data = Env("XDG_DATA_HOME");
        return (data.empty() || data[0] != '/') ? HomeFolder() + "/.local/share/fonts"
                                                : WithoutTrailingSlash(data) + "/fonts";
    }
    default:
        return "";
    }
}

AnsiString ProgramDataFolder() {
#ifdef RULIFORM_INSTALL_BINDIR
    return ProgramDataFolder(GetSpecialFolder(0), RULIFORM_INSTALL_BINDIR);
#else
    return ProgramDataFolder(GetSpecialFolder(0));
#endif
}

AnsiString ProgramDataFolder(const AnsiString& programFolder, const AnsiString& installFolder) {
    std::error_code ec;
    const bool installed = !programFolder.empty() && !installFolder.empty() &&
                           std::filesystem::equivalent(programFolder, installFolder, ec);
    if (!installed && !programFolder.empty() &&
        ::faccessat(AT_FDCWD, programFolder.c_str(), W_OK, AT_EACCESS) == 0)
        return programFolder;
    AnsiString config = Env("XDG_CONFIG_HOME");
    if (config.empty() || config[0] != '/') config = HomeFolder() + "/.config";
    const AnsiString folder = WithoutTrailingSlash(config) + "/Ruliform";
    MakeFolders(folder);
    // The settings and counts a copy in this folder kept before it became read-only come along
    // the first time, instead of a fresh start.
    if (!programFolder.empty())
        for (const char* name : {"/Ruliform.ini", "/rulif.db3"})
            CopyIfMissing(programFolder + name, folder + name);
    return folder;
}

void SetProgramFolderForTest(const AnsiString& Folder) {
    ProgramFolderOverride() = Folder;
}
