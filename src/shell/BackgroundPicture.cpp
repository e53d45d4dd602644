#include "BackgroundPicture.h"

#include "image/Pixpng.h"
#include "winlib/SysUtils.h"

#include <memory>

namespace {
template <class F> void Attempt(bool guarded, F&& load) {
    if (!guarded) {
        load();
        return;
    }
    try {
        load();
    } catch (...) {
    }
}
} // namespace

void LoadBackgroundPicture(const AnsiString& Path, TBitmap* Target, bool Guarded) {
    if (Path.empty()) return;
    const AnsiString ext = LowerCase(ExtractFileExt(Path));
    if (ext == ".jpg" || ext == ".jpeg") {
        auto jpeg = std::make_unique<TJPEGImage>();
        Attempt(Guarded, [&] {
            jpeg->LoadFromFile(Path);
            Target->Assign(jpeg.get());
        });
    } else if (ext == ".png") {
        auto png = std::make_unique<TPixPNG>();
        Attempt(Guarded, [&] {
            png->LoadFromFile(Path);
            Target->Assign(png.get());
        });
    } else {
        Attempt(Guarded, [&] { Target->LoadFromFile(Path); });
    }
}
