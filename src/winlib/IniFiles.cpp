// Profile file: looked up on its stored lines, rewritten whole and atomically on every change.
#include "IniFiles.h"
#include "ProfileLine.h"
#include "SysUtils.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using profile::LineKind;
using profile::ParseLine;

namespace {

constexpr size_t kMaxValueBytes = 2047; // the platform read into a 2048-byte buffer

std::string ToDisk(const std::string& utf8) {
    return Utf8ToCp932(utf8);
}

bool WriteAll(int fd, const std::string& data) {
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

TIniFile::TIniFile(const AnsiString& FileName) : fileName_(FileName) {}

TIniFile::Stamp TIniFile::StampOf(const AnsiString& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return Stamp{};
    return Stamp{static_cast<long long>(st.st_dev), static_cast<long long>(st.st_ino),
                 static_cast<long long>(st.st_size),
                 static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec};
}

void TIniFile::WriteFailed() const {
    throw EIniFileException(fileName_ + " に書き込めません");
}

void TIniFile::Refresh() {
    const Stamp now = StampOf(fileName_);
    if (loaded_ && now == stamp_) return;
    Load();
    stamp_ = now;
    loaded_ = true;
}

void TIniFile::Load() {
    lines_.clear();
    unreadable_ = false;
    const int fd = ::open(fileName_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        unreadable_ = errno != ENOENT;
        return;
    }
    std::string data;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) unreadable_ = true;
        if (n <= 0) break;
        data.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    if (unreadable_) return;
    size_t p = 0;
    while (p < data.size()) {
        size_t e = data.find('\n', p);
        if (e == std::string::npos) e = data.size();
        std::string line = data.substr(p, e - p);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines_.push_back(std::move(line));
        p = e + 1;
    }
}

void TIniFile::Save() {
    // Write beside the real file (through a link, to its target) and rename over it, so the
    // file is either the old one or the new one, never a part.
    std::string target = fileName_;
    if (char* real = ::realpath(fileName_.c_str(), nullptr)) {
        target = real;
        std::free(real);
    }
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    // Checked as the effective user, the one the write would run as; a read-only file stays so.
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) WriteFailed();
    std::string tmp = ExtractFilePath(target) + "." + ExtractFileName(target) + ".XXXXXX";
    const int fd = ::mkostemp(tmp.data(), O_CLOEXEC);
    if (fd < 0) WriteFailed();
    std::string data;
    for (const std::string& line : lines_)
        data += line + "\r\n";
    const bool ok = ::fchmod(fd, exists ? (st.st_mode & 07777) : NewFileMode()) == 0 && WriteAll(fd, data) &&
                    ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!ok || !closed || ::rename(tmp.c_str(), target.c_str()) != 0) {
        ::unlink(tmp.c_str());
        WriteFailed();
    }
}

void TIniFile::Commit(std::vector<std::string> lines) {
    if (unreadable_) WriteFailed();
    if (lines == lines_) return; // the file already says so
    lines.swap(lines_);
    try {
        Save();
    } catch (...) {
        lines.swap(lines_); // memory keeps matching the disk
        throw;
    }
    stamp_ = StampOf(fileName_);
}

int TIniFile::FindSection(const std::string& name) const {
    const std::string wanted = profile::TrimBlanks(name);
    for (size_t i = 0; i < lines_.size(); ++i) {
        const profile::ParsedLine pl = ParseLine(lines_[i]);
        if (pl.kind == LineKind::Section && SameText(Cp932ToUtf8(pl.name), wanted))
            return static_cast<int>(i);
    }
    return -1;
}

int TIniFile::SectionEnd(int header) const {
    size_t i = static_cast<size_t>(header) + 1;
    while (i < lines_.size() && ParseLine(lines_[i]).kind != LineKind::Section)
        ++i;
    return static_cast<int>(i);
}

int TIniFile::FindKey(int header, const std::string& name) const {
    if (header < 0) return -1;
    const std::string wanted = profile::TrimBlanks(name);
    const int end = SectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const profile::ParsedLine pl = ParseLine(lines_[static_cast<size_t>(i)]);
        if (pl.kind == LineKind::Key && SameText(Cp932ToUtf8(pl.name), wanted)) return i;
    }
    return -1;
}

AnsiString TIniFile::ReadString(const AnsiString& Section, const AnsiString& Ident,
                                const AnsiString& Default) {
    Refresh();
    const int key = FindKey(FindSection(Section), Ident);
    if (key < 0) return Default;
    const std::string stored = ParseLine(lines_[static_cast<size_t>(key)]).value;
    return Cp932ToUtf8(profile::ValueAsRead(stored, kMaxValueBytes));
}

int TIniFile::ReadInteger(const AnsiString& Section, const AnsiString& Ident, int Default) {
    return StrToIntDef(ReadString(Section, Ident, ""), Default);
}

bool TIniFile::ReadBool(const AnsiString& Section, const AnsiString& Ident, bool Default) {
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

double TIniFile::ReadFloat(const AnsiString& Section, const AnsiString& Ident, double Default) {
    return StrToFloatDef(ReadString(Section, Ident, ""), Default);
}

void TIniFile::WriteString(const AnsiString& Section, const AnsiString& Ident, const AnsiString& Value) {
    Refresh();
    std::vector<std::string> lines = lines_;
    const std::string value = ToDisk(profile::ValueToStore(Value));
    const int header = FindSection(Section);
    const int key = FindKey(header, Ident);
    if (key >= 0) {
        // Keep the key as the file spells it.
        const std::string name = ParseLine(lines[static_cast<size_t>(key)]).name;
        lines[static_cast<size_t>(key)] = name + "=" + value;
    } else {
        const std::string entry = ToDisk(profile::NameToStore(Ident)) + "=" + value;
        if (header < 0) {
            lines.push_back("[" + ToDisk(profile::NameToStore(Section)) + "]");
            lines.push_back(entry);
        } else {
            // After the section's last key, so comments or blank lines before the next section stay there.
            int at = header + 1;
            const int end = SectionEnd(header);
            for (int i = header + 1; i < end; ++i)
                if (ParseLine(lines[static_cast<size_t>(i)]).kind == LineKind::Key) at = i + 1;
            lines.insert(lines.begin() + at, entry);
        }
    }
    Commit(std::move(lines));
}

void TIniFile::WriteInteger(const AnsiString& Section, const AnsiString& Ident, int Value) {
    WriteString(Section, Ident, IntToStr(Value));
}

void TIniFile::WriteBool(const AnsiString& Section, const AnsiString& Ident, bool Value) {
    WriteString(Section, Ident, Value ? "1" : "0");
}

void TIniFile::WriteFloat(const AnsiString& Section, const AnsiString& Ident, double Value) {
    WriteString(Section, Ident, FloatToStr(Value));
}

void TIniFile::ReadSection(const AnsiString& Section, TStringList* Idents) {
    Refresh();
    Idents->Clear();
    const int header = FindSection(Section);
    if (header < 0) return;
    const int end = SectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const profile::ParsedLine pl = ParseLine(lines_[static_cast<size_t>(i)]);
        if (pl.kind == LineKind::Key) Idents->Add(Cp932ToUtf8(pl.name));
    }
}

bool TIniFile::SectionExists(const AnsiString& Section) {
    // A section without keys does not count: callers ask whether there is anything to read.
    TStringList keys;
    ReadSection(Section, &keys);
    return keys.Count() > 0;
}

bool TIniFile::ValueExists(const AnsiString& Section, const AnsiString& Ident) {
    Refresh();
    return FindKey(FindSection(Section), Ident) >= 0;
}

void TIniFile::EraseSection(const AnsiString& Section) {
    Refresh();
    const int header = FindSection(Section);
    if (header < 0) return;
    std::vector<std::string> lines = lines_;
    lines.erase(lines.begin() + header, lines.begin() + SectionEnd(header));
    Commit(std::move(lines));
}

void TIniFile::DeleteKey(const AnsiString& Section, const AnsiString& Ident) {
    Refresh();
    const int key = FindKey(FindSection(Section), Ident);
    if (key < 0) return;
    std::vector<std::string> lines = lines_;
    lines.erase(lines.begin() + key);
    Commit(std::move(lines));
}
