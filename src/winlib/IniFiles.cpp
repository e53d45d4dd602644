// Profile file: looked up on its stored lines, rewritten whole and atomically on every change.
#include "IniFiles.h"
#include "GccQuirks.h"
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
constexpr size_t kMaxFileBytes = 1 << 20;
const char* const kCompanionSuffix = ".utf8";

std::string ToDisk(const std::string& utf8) {
    return Utf8ToCp932(utf8);
}

// The value's text as a key line holds it: code page 932, quoted where blanks or quotes need it.
std::string PlainOnDisk(const std::string& utf8) {
    return ToDisk(profile::ValueToStore(utf8));
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

// Why a file that exists could not be opened for reading.
std::string OpenFailure(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return "読み取りが許可されていません";
    case ELOOP:
        return "シンボリックリンクが循環しています";
    case EISDIR:
        return "フォルダーです";
    default:
        return "開けません（エラー番号 " + std::to_string(error) + "）";
    }
}

std::string NotAFile(mode_t mode) {
    if (S_ISDIR(mode)) return "フォルダーです";
    if (S_ISFIFO(mode)) return "名前付きパイプです";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "デバイスです";
    if (S_ISSOCK(mode)) return "ソケットです";
    return "通常のファイルではありません";
}

std::string TooLarge() {
    return "1 MiB を超えています";
}

bool IsUtf8(const std::string& s) {
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const size_t n = c < 0x80             ? 1
                         : (c & 0xE0) == 0xC0 ? 2
                         : (c & 0xF0) == 0xE0 ? 3
                         : (c & 0xF8) == 0xF0 ? 4
                                              : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

// The file's lines, whatever its line ends: LF, CR LF, CR alone, or CR CR LF (a CR LF file whose
// line ends were converted once more). A UTF-8 byte-order mark is dropped; the text after it is
// UTF-8, taken into code page 932 as the file is written.
std::vector<std::string> SplitLines(std::string data) {
    static const std::string kBom = "\xEF\xBB\xBF";
    bool utf8 = false;
    if (data.compare(0, kBom.size(), kBom) == 0) {
        data.erase(0, kBom.size());
        utf8 = IsUtf8(data);
    }
    std::vector<std::string> lines;
    size_t p = 0;
    while (p < data.size()) {
        size_t e = data.find_first_of("\r\n", p);
        if (e == std::string::npos) e = data.size();
        lines.push_back(utf8 ? Utf8ToCp932(data.substr(p, e - p)) : data.substr(p, e - p));
        if (e < data.size() && data[e] == '\r') {
            size_t q = e;
            while (q < data.size() && data[q] == '\r')
                ++q;
            // CRs before an LF all end this one line; a CR on its own ends a line by itself.
            e = q < data.size() && data[q] == '\n' ? q : e;
        }
        p = e + 1;
    }
    return lines;
}

// Where a write to Path lands: the end of its chain of symbolic links, also when that end does
// not exist yet, so that a link to a settings file kept elsewhere stays a link.
std::string LinkTarget(const std::string& path) {
    if (char* real = ::realpath(path.c_str(), nullptr)) {
        std::string target = real;
        std::free(real);
        return target;
    }
    std::string at = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::string to(PATH_MAX, '\0');
        const ssize_t n = ::readlink(at.c_str(), to.data(), to.size());
        if (n < 0) return at; // not a link (or nothing there): the write lands here
        to.resize(static_cast<size_t>(n));
        at = to[0] == '/' ? to : ExtractFilePath(at) + to;
    }
    return path; // a loop: the file was not read either, so no write gets here
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
                 static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec,
                 static_cast<long long>(st.st_ctim.tv_sec) * 1000000000LL + st.st_ctim.tv_nsec};
}

void TIniFile::WriteFailed() const {
    throw EIniFileException(fileName_ + " に書き込めません");
}

AnsiString TIniFile::ReadFailure() {
    Refresh();
    if (failure_.empty()) return "";
    return fileName_ + " を読み込めません（" + failure_ + "）。このファイルには設定を保存しません";
}

void TIniFile::Refresh() {
    if (updating_ > 0 && loaded_) return; // the kept writes are the file until EndUpdate
    const Stamp now = StampOf(fileName_);
    if (loaded_ && now == stamp_) return;
    Load();
    stamp_ = now;
    loaded_ = true;
}

void TIniFile::Load() {
    lines_.clear();
    failure_.clear();
    // Not blocking: a pipe put in the file's place must not stop the program.
    const int fd = ::open(fileName_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno != ENOENT) failure_ = OpenFailure(errno);
        return;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        failure_ = OpenFailure(errno);
    } else if (!S_ISREG(st.st_mode)) {
        failure_ = NotAFile(st.st_mode);
    } else if (st.st_size > static_cast<off_t>(kMaxFileBytes)) {
        failure_ = TooLarge();
    }
    std::string data;
    char buf[65536];
    while (failure_.empty()) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) failure_ = "読み込みの途中でエラーが起きました";
        if (n <= 0) break;
        data.append(buf, static_cast<size_t>(n));
        if (data.size() > kMaxFileBytes) failure_ = TooLarge(); // grown since it was measured
    }
    ::close(fd);
    if (failure_.empty()) lines_ = SplitLines(data);
}

void TIniFile::Save() {
    // Write beside the real file (through a link, to its target, even one that does not exist
    // yet) and rename over it, so the file is either the old one or the new one, never a part.
    const std::string target = LinkTarget(fileName_);
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

void TIniFile::Commit(Lines lines) {
    // A file that could not be read is not replaced: its content would be lost.
    if (!failure_.empty()) throw EIniFileException(ReadFailure());
    if (lines == lines_) return; // the file already says so
    if (updating_ > 0) {
        lines_.swap(lines);
        pending_ = true;
        return;
    }
    lines.swap(lines_);
    try {
        Save();
    } catch (...) {
        lines.swap(lines_); // memory keeps matching the disk
        throw;
    }
    stamp_ = StampOf(fileName_);
}

void TIniFile::BeginUpdate() {
    Refresh();
    ++updating_;
}

void TIniFile::EndUpdate() {
    if (updating_ == 0 || --updating_ > 0 || !pending_) return;
    pending_ = false;
    try {
        Save();
    } catch (...) {
        loaded_ = false; // what the file holds is read again
        throw;
    }
    stamp_ = StampOf(fileName_);
}

int TIniFile::FindSection(const Lines& lines, const std::string& name) {
    const std::string wanted = profile::TrimBlanks(name);
    for (size_t i = 0; i < lines.size(); ++i) {
        const profile::ParsedLine pl = ParseLine(lines[i]);
        if (pl.kind == LineKind::Section && SameText(Cp932ToUtf8(pl.name), wanted))
            return static_cast<int>(i);
    }
    return -1;
}

int TIniFile::SectionEnd(const Lines& lines, int header) {
    size_t i = static_cast<size_t>(header) + 1;
    while (i < lines.size() && ParseLine(lines[i]).kind != LineKind::Section)
        ++i;
    return static_cast<int>(i);
}

int TIniFile::FindKey(const Lines& lines, int header, const std::string& name) {
    if (header < 0) return -1;
    const std::string wanted = profile::TrimBlanks(name);
    const int end = SectionEnd(lines, header);
    for (int i = header + 1; i < end; ++i) {
        const profile::ParsedLine pl = ParseLine(lines[static_cast<size_t>(i)]);
        if (pl.kind == LineKind::Key && SameText(Cp932ToUtf8(pl.name), wanted)) return i;
    }
    return -1;
}

RULIFORM_GCC12_STRING_RESTRICT_BEGIN
void TIniFile::PutKey(Lines& lines, const std::string& section, const std::string& ident,
                      const std::string* diskValue) {
    const int header = FindSection(lines, section);
    const int key = FindKey(lines, header, ident);
    if (!diskValue) {
        if (key >= 0) lines.erase(lines.begin() + key);
        return;
    }
    if (key >= 0) {
        // Keep the key as the file spells it.
        const std::string name = ParseLine(lines[static_cast<size_t>(key)]).name;
        lines[static_cast<size_t>(key)] = name + "=" + *diskValue;
        return;
    }
    const std::string entry = ToDisk(profile::NameToStore(ident)) + "=" + *diskValue;
    if (header < 0) {
        lines.push_back("[" + ToDisk(profile::NameToStore(section)) + "]");
        lines.push_back(entry);
        return;
    }
    // After the section's last key, so comments or blank lines before the next section stay there.
    int at = header + 1;
    const int end = SectionEnd(lines, header);
    for (int i = header + 1; i < end; ++i)
        if (ParseLine(lines[static_cast<size_t>(i)]).kind == LineKind::Key) at = i + 1;
    lines.insert(lines.begin() + at, entry);
}
RULIFORM_GCC12_STRING_RESTRICT_END

AnsiString TIniFile::ReadString(const AnsiString& Section, const AnsiString& Ident,
                                const AnsiString& Default) {
    Refresh();
    const int header = FindSection(lines_, Section);
    const int key = FindKey(lines_, header, Ident);
    if (key < 0) return Default;
    const std::string stored =
        profile::ValueAsRead(ParseLine(lines_[static_cast<size_t>(key)]).value, kMaxValueBytes);
    const int companion = FindKey(lines_, header, Ident + kCompanionSuffix);
    std::string exact;
    if (companion >= 0 &&
        profile::ExactValueAsRead(ParseLine(lines_[static_cast<size_t>(companion)]).value, exact) &&
        profile::ValueAsRead(PlainOnDisk(exact), kMaxValueBytes) == stored)
        return exact;
    return Cp932ToUtf8(stored);
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
    Lines lines = lines_;
    const std::string value = profile::WithoutLineBreaks(Value);
    const std::string plain = PlainOnDisk(value);
    PutKey(lines, Section, Ident, &plain);
    // The companion only when the plain text loses characters; a stale one goes.
    const bool kept = Cp932ToUtf8(profile::ValueAsRead(plain, std::string::npos)) == value;
    const std::string exact = profile::ExactValueToStore(value);
    PutKey(lines, Section, Ident + kCompanionSuffix, kept ? nullptr : &exact);
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
    const int header = FindSection(lines_, Section);
    if (header < 0) return;
    const int end = SectionEnd(lines_, header);
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
    return FindKey(lines_, FindSection(lines_, Section), Ident) >= 0;
}

void TIniFile::EraseSection(const AnsiString& Section) {
    Refresh();
    const int header = FindSection(lines_, Section);
    if (header < 0) return;
    Lines lines = lines_;
    lines.erase(lines.begin() + header, lines.begin() + SectionEnd(lines_, header));
    Commit(std::move(lines));
}

void TIniFile::DeleteKey(const AnsiString& Section, const AnsiString& Ident) {
    Refresh();
    Lines lines = lines_;
    PutKey(lines, Section, Ident, nullptr);
    PutKey(lines, Section, Ident + kCompanionSuffix, nullptr);
    Commit(std::move(lines));
}
