// The picture holder and its registry of file formats by extension.
#include "Graphics.h"
#include "SysUtils.h"

#include <map>

namespace {

struct Format {
    AnsiString description;
    TPicture::TGraphicFactory factory;
};

// Built on first use, so registering from any start-up code is safe.
std::map<AnsiString, Format>& Registry() {
    static std::map<AnsiString, Format> formats = [] {
        std::map<AnsiString, Format> m;
        m["BMP"] = {"Bitmaps", [] { return static_cast<TGraphic*>(new TBitmap); }};
        m["JPG"] = {"JPEG Image File", [] { return static_cast<TGraphic*>(new TJPEGImage); }};
        m["JPEG"] = {"JPEG Image File", [] { return static_cast<TGraphic*>(new TJPEGImage); }};
        return m;
    }();
    return formats;
}

AnsiString Key(const AnsiString& ext) {
    return UpperCase(!ext.empty() && ext[0] == '.' ? ext.substr(1) : ext);
}

} // namespace

void TPicture::RegisterFileFormat(const AnsiString& Extension, const AnsiString& Description,
                                  TGraphicFactory Factory) {
    if (Factory) Registry()[Key(Extension)] = {Description, std::move(Factory)};
}

void TPicture::UnregisterFileFormat(const AnsiString& Extension) {
    Registry().erase(Key(Extension));
}

TPicture::~TPicture() {
    delete graphic_;
}

void TPicture::LoadFromFile(const AnsiString& FileName) {
    const AnsiString ext = Key(ExtractFileExt(FileName));
    const auto it = Registry().find(ext);
    if (it == Registry().end())
        throw EInvalidGraphic("Unknown picture file extension (." + LowerCase(ext) + ")");
    std::unique_ptr<TGraphic> g(it->second.factory());
    if (!g) throw EInvalidGraphic("Unknown picture file extension (." + LowerCase(ext) + ")");
    g->LoadFromFile(FileName);
    SetGraphic(g.release());
}

void TPicture::SetGraphic(TGraphic* g) {
    if (g == graphic_) return;
    delete graphic_;
    graphic_ = g;
}

TBitmap* TPicture::Bitmap() {
    if (auto* b = dynamic_cast<TBitmap*>(graphic_)) return b;
    auto b = std::make_unique<TBitmap>();
    if (graphic_) b->Assign(graphic_);
    SetGraphic(b.get());
    return b.release();
}
