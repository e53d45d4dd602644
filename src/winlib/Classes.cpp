// Object model, string lists and byte streams.
#include "Classes.h"
#include "SysUtils.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cxxabi.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <typeinfo>
#include <unistd.h>

namespace {

// The class name as the program knows it ("TStringList"), for messages.
AnsiString ClassNameOf(const TObject* o) {
    if (!o) return "nil";
    const char* mangled = typeid(*o).name();
    int status = 0;
    char* plain = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    AnsiString name = (status == 0 && plain) ? plain : mangled;
    std::free(plain);
    // The bare class name, without namespaces.
    if (name.find('<') == AnsiString::npos)
        if (const size_t colons = name.rfind("::"); colons != AnsiString::npos) name.erase(0, colons + 2);
    return name;
}

[[noreturn]] void AssignError(const TObject* source, const TObject* dest) {
    throw EConvertError("Cannot assign a " + ClassNameOf(source) + " to a " + ClassNameOf(dest));
}

[[noreturn]] void ListIndexError(int i) {
    throw EStringListError("List index out of bounds (" + std::to_string(i) + ")");
}

} // namespace

// ---- TPersistent ----

void TPersistent::Assign(TPersistent* Source) {
    if (!Source) AssignError(nullptr, this);
    Source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* Dest) {
    AssignError(this, Dest);
}

// ---- TComponent ----

TComponent::TComponent(TComponent* AOwner) {
    if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
    // Children go first, last-created first, so each one still sees a live owner.
    while (!components_.empty())
        delete components_.back();
    if (owner_) owner_->RemoveComponent(this);
}

TComponent* TComponent::FindComponent(const AnsiString& n) const {
    if (n.empty()) return nullptr;
    for (TComponent* c : components_)
        if (SameText(c->Name(), n)) return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* c) {
    components_.push_back(c);
    c->owner_ = this;
}

void TComponent::RemoveComponent(TComponent* c) {
    auto it = std::find(components_.begin(), components_.end(), c);
    if (it != components_.end()) components_.erase(it);
    c->owner_ = nullptr;
}

// ---- TStringList ----

const AnsiString& TStringList::Strings(int i) const {
    if (i < 0 || i >= Count()) ListIndexError(i);
    return items_[static_cast<size_t>(i)];
}

void TStringList::SetStrings(int i, const AnsiString& s) {
    if (sorted_) throw EStringListError("Operation not allowed on sorted list");
    if (i < 0 || i >= Count()) ListIndexError(i);
    items_[static_cast<size_t>(i)] = s;
}

int TStringList::Add(const AnsiString& s) {
    if (!sorted_) {
        items_.push_back(s);
        return Count() - 1;
    }
    // Equal strings keep their order of arrival.
    auto it = std::upper_bound(items_.begin(), items_.end(), s);
    it = items_.insert(it, s);
    return static_cast<int>(it - items_.begin());
}

void TStringList::Insert(int i, const AnsiString& s) {
    if (sorted_) throw EStringListError("Operation not allowed on sorted list");
    if (i < 0 || i > Count()) ListIndexError(i);
    items_.insert(items_.begin() + i, s);
}

void TStringList::Delete(int i) {
    if (i < 0 || i >= Count()) ListIndexError(i);
    items_.erase(items_.begin() + i);
}

int TStringList::IndexOf(const AnsiString& s) const {
    if (sorted_) {
        auto it = std::lower_bound(items_.begin(), items_.end(), s);
        return (it != items_.end() && *it == s) ? static_cast<int>(it - items_.begin()) : -1;
    }
    auto it = std::find(items_.begin(), items_.end(), s);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TStringList::SetSorted(bool s) {
    if (s && !sorted_) std::stable_sort(items_.begin(), items_.end());
    sorted_ = s;
}

AnsiString TStringList::Text() const {
    AnsiString t;
    for (const AnsiString& s : items_) {
        t += s;
        t += '\n';
    }
    return t;
}

void TStringList::SetText(const AnsiString& t) {
    items_.clear();
    size_t p = 0;
    const size_t n = t.size();
    while (p < n) {
        size_t e = t.find_first_of("\r\n", p);
        if (e == AnsiString::npos) e = n;
        Add(t.substr(p, e - p));
        p = e;
        if (p < n && t[p] == '\r') ++p;
        if (p < n && t[p] == '\n') ++p;
    }
}

void TStringList::Assign(TPersistent* Source) {
    if (auto* other = dynamic_cast<TStringList*>(Source)) {
        if (other == this) return;
        std::vector<AnsiString> copy = other->items_;
        items_.clear();
        for (const AnsiString& s : copy)
            Add(s);
        return;
    }
    TPersistent::Assign(Source);
}

// ---- TStream ----

int64_t TStream::Size() {
    const int64_t pos = Seek(0, soCurrent);
    const int64_t size = Seek(0, soEnd);
    Seek(pos, soBeginning);
    return size;
}

void TStream::ReadBuffer(void* Buffer, int64_t Count) {
    if (Count != 0 && Read(Buffer, Count) != Count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, int64_t Count) {
    if (Count != 0 && Write(Buffer, Count) != Count) throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream* Source, int64_t Count) {
    if (Count <= 0) {
        Source->SetPosition(0);
        Count = Source->Size();
    }
    const int64_t total = Count;
    constexpr int64_t chunk = 64 * 1024;
    std::vector<uint8_t> buf(static_cast<size_t>(std::min(Count, chunk)));
    while (Count > 0) {
        const int64_t n = std::min(Count, chunk);
        Source->ReadBuffer(buf.data(), n);
        WriteBuffer(buf.data(), n);
        Count -= n;
    }
    return total;
}

// ---- TMemoryStream ----

int64_t TMemoryStream::Read(void* Buffer, int64_t Count) {
    const int64_t size = Size();
    if (pos_ < 0 || Count <= 0 || pos_ >= size) return 0;
    const int64_t n = std::min(Count, size - pos_);
    std::memcpy(Buffer, data_.data() + pos_, static_cast<size_t>(n));
    pos_ += n;
    return n;
}

int64_t TMemoryStream::Write(const void* Buffer, int64_t Count) {
    if (pos_ < 0 || Count <= 0) return 0;
    const int64_t end = pos_ + Count;
    if (end > Size()) data_.resize(static_cast<size_t>(end));
    std::memcpy(data_.data() + pos_, Buffer, static_cast<size_t>(Count));
    pos_ = end;
    return Count;
}

int64_t TMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin) {
    switch (Origin) {
    case soBeginning:
        pos_ = Offset;
        break;
    case soCurrent:
        pos_ += Offset;
        break;
    case soEnd:
        pos_ = Size() + Offset;
        break;
    }
    return pos_;
}

void TMemoryStream::LoadFromFile(const AnsiString& FileName) {
    TFileStream f(FileName, fmOpenRead | fmShareDenyWrite);
    const int64_t size = f.Size();
    std::vector<uint8_t> data(static_cast<size_t>(size));
    f.ReadBuffer(data.data(), size);
    data_ = std::move(data);
    pos_ = 0;
}

void TMemoryStream::SaveToFile(const AnsiString& FileName) {
    TFileStream f(FileName, fmCreate);
    f.WriteBuffer(data_.data(), Size());
}

// ---- TFileStream ----

TFileStream::TFileStream(const AnsiString& FileName, unsigned Mode) {
    if (Mode == fmCreate) {
        fd_ = ::open(FileName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd_ < 0) throw EFCreateError("Cannot create file \"" + FileName + "\"");
        return;
    }
    int flags = O_RDONLY;
    switch (Mode & 3) {
    case fmOpenWrite:
        flags = O_WRONLY;
        break;
    case fmOpenReadWrite:
        flags = O_RDWR;
        break;
    default:
        break;
    }
    // Not blocking, so that a pipe without a writer cannot hold the program; the mode goes back
    // to blocking for the regular file that is kept.
    fd_ = ::open(FileName.c_str(), flags | O_CLOEXEC | O_NONBLOCK);
    struct stat st {};
    if (fd_ >= 0 && (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > MaxOpenedFileBytes ||
                     ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK) != 0)) {
        ::close(fd_);
        fd_ = -1;
    }
    if (fd_ < 0) throw EFOpenError("Cannot open file \"" + FileName + "\"");
}

TFileStream::~TFileStream() {
    if (fd_ >= 0) ::close(fd_);
}

int64_t TFileStream::Read(void* Buffer, int64_t Count) {
    int64_t done = 0;
    auto* p = static_cast<char*>(Buffer);
    while (done < Count) {
        const ssize_t n = ::read(fd_, p + done, static_cast<size_t>(Count - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += n;
    }
    return done;
}

int64_t TFileStream::Write(const void* Buffer, int64_t Count) {
    int64_t done = 0;
    auto* p = static_cast<const char*>(Buffer);
    while (done < Count) {
        const ssize_t n = ::write(fd_, p + done, static_cast<size_t>(Count - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += n;
    }
    return done;
}

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin) {
    const int whence = Origin == soBeginning ? SEEK_SET : Origin == soCurrent ? SEEK_CUR : SEEK_END;
    return ::lseek(fd_, static_cast<off_t>(Offset), whence);
}
