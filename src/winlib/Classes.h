// Base object model of the window-library layer: components with names and tags,
// event types, string lists and byte streams.
#pragma once

#include "System.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TObject {
  public:
    virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// Binds a member function of a form to an event: Bind(this, &TForm1::eDotXChange).
template <class C> TNotifyEvent Bind(C* self, void (C::*fn)(TObject*)) {
    return [self, fn](TObject* s) { (self->*fn)(s); };
}

class TPersistent : public TObject {
  public:
    // Copies Source into this object; the default asks Source to assign itself to us
    // and raises EConvertError when neither side knows the other.
    virtual void Assign(TPersistent* Source);

  protected:
    virtual void AssignTo(TPersistent* Dest);
};

// A component has an owner that deletes it, a Name (handlers dispatch on it), a Tag and a Hint.
class TComponent : public TPersistent {
  public:
    explicit TComponent(TComponent* AOwner = nullptr);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const AnsiString& Name() const { return name_; }
    void SetName(const AnsiString& n) { name_ = n; }
    int Tag() const { return tag_; }
    void SetTag(int t) { tag_ = t; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int i) const { return components_.at(i); }
    // Finds an owned component by name (ASCII case-insensitive), or null.
    TComponent* FindComponent(const AnsiString& n) const;

  private:
    void InsertComponent(TComponent* c);
    void RemoveComponent(TComponent* c);
    TComponent* owner_ = nullptr;
    AnsiString name_;
    int tag_ = 0;
    std::vector<TComponent*> components_;
};

struct TPoint {
    int x = 0, y = 0;
    TPoint() = default;
    TPoint(int ax, int ay) : x(ax), y(ay) {}
    bool operator==(const TPoint&) const = default;
};

struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    TRect() = default;
    TRect(int l, int t, int r, int b) : Left(l), Top(t), Right(r), Bottom(b) {}
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TRect&) const = default;
};
inline TRect Rect(int l, int t, int r, int b) {
    return TRect(l, t, r, b);
}
inline TPoint Point(int x, int y) {
    return TPoint(x, y);
}

// An ordered list of strings, optionally sorted (plain byte order, so "10" < "2").
class TStringList : public TPersistent {
  public:
    int Count() const { return static_cast<int>(items_.size()); }
    const AnsiString& Strings(int i) const; // EStringListError when out of range
    void SetStrings(int i, const AnsiString& s);
    const AnsiString& operator[](int i) const { return Strings(i); }
    int Add(const AnsiString& s); // returns the index
    void Insert(int i, const AnsiString& s);
    void Delete(int i);
    void Clear() { items_.clear(); }
    int IndexOf(const AnsiString& s) const; // exact match, -1 when absent
    bool Sorted() const { return sorted_; }
    void SetSorted(bool s);
    // Lines joined with "\n" (each line ended); SetText splits on CR, LF and CRLF.
    AnsiString Text() const;
    void SetText(const AnsiString& t);
    void Assign(TPersistent* Source) override;
    const std::vector<AnsiString>& Items() const { return items_; }

  private:
    std::vector<AnsiString> items_;
    bool sorted_ = false;
};

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
  public:
    virtual int64_t Read(void* Buffer, int64_t Count) = 0;
    virtual int64_t Write(const void* Buffer, int64_t Count) = 0;
    virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;
    int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(int64_t p) { Seek(p, soBeginning); }
    virtual int64_t Size();
    // Raise EReadError / EWriteError when fewer bytes than asked could be moved.
    void ReadBuffer(void* Buffer, int64_t Count);
    void WriteBuffer(const void* Buffer, int64_t Count);
    int64_t CopyFrom(TStream* Source, int64_t Count); // Count 0 copies the whole source
};

class TMemoryStream : public TStream {
  public:
    int64_t Read(void* Buffer, int64_t Count) override;
    int64_t Write(const void* Buffer, int64_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
    int64_t Size() override { return static_cast<int64_t>(data_.size()); }
    void SetSize(int64_t n) { data_.resize(static_cast<size_t>(n)); }
    uint8_t* Memory() { return data_.data(); }
    void LoadFromFile(const AnsiString& FileName); // EFOpenError when it cannot be opened
    void SaveToFile(const AnsiString& FileName);
    void Clear() {
        data_.clear();
        pos_ = 0;
    }

  private:
    std::vector<uint8_t> data_;
    int64_t pos_ = 0;
};

enum TFileMode : unsigned {
    fmCreate = 0xFF00,
    fmOpenRead = 0x0000,
    fmOpenWrite = 0x0001,
    fmOpenReadWrite = 0x0002,
    fmShareDenyWrite = 0x0020
};

class TFileStream : public TStream {
  public:
    // EFOpenError ("Cannot open file \"%s\"") / EFCreateError when the file cannot be opened or created.
    // Only a regular file of at most MaxOpenedFileBytes is opened: a pipe, a device or a folder
    // in a file's place is refused at once, without waiting for a writer.
    static constexpr int64_t MaxOpenedFileBytes = int64_t(1) << 30;
    TFileStream(const AnsiString& FileName, unsigned Mode);
    ~TFileStream() override;
    int64_t Read(void* Buffer, int64_t Count) override;
    int64_t Write(const void* Buffer, int64_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;

  private:
    int fd_ = -1;
};
