#include "BackgroundPicture.h"

#include "Abitmap.h"
#include "BusyCursor.h"
#include "image/Pixpng.h"
#include "winlib/Printers.h"
#include "winlib/SysUtils.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {
// The resolution the program asks every printer for; pixels beyond it on paper cannot print.
constexpr double kPrintDotsPerInch = 600;

int64_t Dots(double mm) {
    return static_cast<int64_t>(std::ceil(mm * kPrintDotsPerInch / 25.4 - 1e-9));
}

// The picture class for the path's lower-cased extension, and the bitmap it decodes into.
struct TPictureFile {
    std::unique_ptr<TGraphic> graphic;
    TBitmap* image;
};
TPictureFile PictureFor(const AnsiString& Path) {
    const AnsiString ext = LowerCase(ExtractFileExt(Path));
    if (ext == ".jpg" || ext == ".jpeg") {
        auto jpeg = std::make_unique<TJPEGImage>();
        TBitmap* image = jpeg->Bitmap();
        return {std::move(jpeg), image};
    }
    if (ext == ".png") {
        auto png = std::make_unique<TPixPNG>();
        TBitmap* image = png->GetImage();
        return {std::move(png), image};
    }
    auto bitmap = std::make_unique<TBitmap>();
    TBitmap* image = bitmap.get();
    return {std::move(bitmap), image};
}
} // namespace

TPictureLimit BackgroundPictureLimit() {
    // A picture stretched over a sheet, in either orientation, cannot show more pixels than the
    // sheet has at that resolution, nor a side longer than the sheet's long side.
    TPictureLimit limit;
    for (const TPrinterPaper& paper : TPrinter::KnownPapers()) {
        const int64_t w = Dots(paper.WidthMm), h = Dots(paper.HeightMm);
        limit.MaxSide = static_cast<int>(std::max<int64_t>({limit.MaxSide, w, h}));
        limit.MaxPixels = std::max(limit.MaxPixels, w * h);
    }
    return limit;
}

void LoadBackgroundPicture(const AnsiString& Path, TABitmap* Target, bool Guarded) {
    if (Path.empty()) return;
    // A large picture takes seconds to decode.
    const TBusyCursor busy;
    try {
        const TPictureFile picture = PictureFor(Path);
        picture.graphic->LoadLimit = BackgroundPictureLimit();
        picture.graphic->LoadFromFile(Path);
        // The decoded colour image moves over instead of being copied: a large picture is held
        // once, not twice.
        Target->MoveFrom(*picture.image);
        Target->Do32();
    } catch (...) {
        if (!Guarded) throw;
    }
}
