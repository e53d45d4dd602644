// The codec's helpers that reach the platform: drawing part of a bitmap, the file system's name
// of a file, the debug message box and the screen description.
#include "image/Sfunc.h"

#include "winlib/Dialogs.h"
#include "winlib/Forms.h"
#include "winlib/SysUtils.h"

#include <sys/utsname.h>

#include <algorithm>
#include <filesystem>
#include <memory>

bool DrawBitmapHandle(TCanvas* Canvas, int X, int Y, int Width, int Height, TBitmap* Bitmap, int SrcX,
                      int SrcY, uint32_t Rop) {
    if (Rop != SRCCOPY || !Canvas || !Bitmap) return false;
    // The part of the source rectangle that lies on the bitmap.
    const int x0 = std::max(SrcX, 0), y0 = std::max(SrcY, 0);
    const int x1 = static_cast<int>(std::min<int64_t>(int64_t(SrcX) + Width, Bitmap->Width()));
    const int y1 = static_cast<int>(std::min<int64_t>(int64_t(SrcY) + Height, Bitmap->Height()));
    if (x0 >= x1 || y0 >= y1) return true;
    TBitmap part;
    part.SetPixelFormat(Bitmap->PixelFormat());
    part.SetSize(x1 - x0, y1 - y0);
    if (Bitmap->BitsPerPixel() <= 8) part.SetColorTable(Bitmap->ColorTable());
    const TBitmap& source = *Bitmap;
    for (int y = y0; y < y1; ++y)
        CopyPixelLine(source.ScanLine(y), part.ScanLine(y - y0), x0, x1 - x0, Bitmap->BitsPerPixel());
    Canvas->Draw(X + (x0 - SrcX), Y + (y0 - SrcY), &part);
    return true;
}

AnsiString GetLongFileName(const AnsiString& Path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path p(Path);
    if (!fs::exists(p, ec)) return "";
    const AnsiString folder = ExtractFilePath(Path), name = ExtractFileName(Path);
    if (name.empty()) return Path;
    // The entry as the folder lists it: the same name, or the one that differs only in case on a
    // file system that does not tell them apart.
    AnsiString found;
    const fs::path parent = p.has_parent_path() ? p.parent_path() : fs::path(".");
    for (fs::directory_iterator it(parent, ec), end; !ec && it != end; it.increment(ec)) {
        const AnsiString entry = it->path().filename().string();
        if (entry == name) return folder + entry;
        if (found.empty() && SameText(entry, name)) found = entry;
    }
    return folder + (found.empty() ? name : found);
}

void DebugMes(const AnsiString& Text) {
    MessageBox(Text, "デバッグ中", MB_OK);
}

TPixSystemInfo::TPixSystemInfo() {
    utsname u{};
    if (uname(&u) == 0) osVersion_ = AnsiString(u.sysname) + " " + u.release;
    width_ = Screen->Width();
    height_ = Screen->Height();
    bits_ = Screen->BitsPerPixel();
    frequency_ = Screen->RefreshRate();
}

TPixSystemInfo::~TPixSystemInfo() {
    RestoreDisplay();
}

int TPixSystemInfo::GetWidth() const {
    return Screen->Width();
}

int TPixSystemInfo::GetHeight() const {
    return Screen->Height();
}

bool TPixSystemInfo::ChangeDisplay(int Width, int Height, int Bits) {
    if (changed_) return false;
    return Width == GetWidth() && Height == GetHeight() && Bits == bits_;
}

void TPixSystemInfo::RestoreDisplay() {
    changed_ = false;
}

TPixSystemInfo& PixSystemInfo() {
    static const std::unique_ptr<TPixSystemInfo> info = std::make_unique<TPixSystemInfo>();
    return *info;
}
