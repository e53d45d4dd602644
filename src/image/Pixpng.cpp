#include "image/Pixpng.h"
#include "image/Pixpngstream.h"

#include <ctime>

TPixPNG::TPixPNG() {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&now, &tm);
    time_ = TPNGTime{static_cast<uint16_t>(tm.tm_year + 1900), static_cast<uint8_t>(tm.tm_mon + 1),
                     static_cast<uint8_t>(tm.tm_mday),         static_cast<uint8_t>(tm.tm_hour),
                     static_cast<uint8_t>(tm.tm_min),          static_cast<uint8_t>(tm.tm_sec)};
    SetGraphic(new TBitmap);
}

TPixPNG::~TPixPNG() = default;

TBitmap* TPixPNG::InnerImage() {
    auto* b = dynamic_cast<TBitmap*>(Graphic());
    if (!b) {
        b = new TBitmap;
        SetGraphic(b);
    }
    return b;
}

TBitmap* TPixPNG::GetImage() {
    return image_ ? image_ : InnerImage();
}

void TPixPNG::SetIDATSize(int Size) {
    if (Size < 256 || Size > 100000) throw EPixPNG("PNG Param: Err IDAT Size(min:256  max:100000)");
    idatSize_ = Size;
}

void TPixPNG::LoadInto(TBitmap* Target, TStream* Stream) {
    TPixPNGReadStream reader;
    reader.Password = Password;
    reader.OnPassword = OnPassword;
    reader.OnDecode = OnDecode;
    reader.SkipHeader128 = SkipHeader128;
    reader.Use16BitFor555 = Use16BitFor555;
    reader.TimePlace = &time_;
    reader.ChrmPlace = &chrm_;
    reader.GIFExtPlace = &gifExt_;
    reader.Limit = LoadLimit;
    FreeAlphaBitmap();
    reader.AlphaBitmap = GetAlphaBitmap();
    bool lend = static_cast<bool>(OnProgress);
    TProgressEvent saved;
    if (lend) {
        saved = Target->OnProgress;
        Target->OnProgress = OnProgress;
    }
    try {
        reader.LoadFromStream(Target, Stream, 0);
    } catch (...) {
        if (lend) Target->OnProgress = saved;
        throw;
    }
    if (lend) Target->OnProgress = saved;
    AlphaChannel = reader.AlphaChannel();
    Comment = reader.GetComment();
    BGColor = reader.BGColor();
    transColor_ = reader.TransColor();
    Interlace = reader.Interlace() ? gptAdam7 : gptNone;
    Gamma = reader.Gamma();
    UnitSpecifier = reader.UnitSpecifier();
    PixelsPerUnitX = reader.PixelsPerUnitX();
    PixelsPerUnitY = reader.PixelsPerUnitY();
    SignificantBits = reader.SignificantBits();
    BitDepth = reader.BitDepth();
    GrayScale = reader.GrayScale();
    SetTransFlag(Target);
}

void TPixPNG::LoadFromStream(TStream* Stream) {
    LoadInto(GetImage(), Stream);
}

void TPixPNG::ReadData(TStream* Stream) {
    LoadInto(InnerImage(), Stream);
    Changed(this);
}

void TPixPNG::SaveFrom(TBitmap* Source, TStream* Stream) {
    TPixPNGWriteStream writer;
    writer.CompressLevel = static_cast<uint8_t>(CompressLevel);
    writer.FilterType = static_cast<uint8_t>(FilterType);
    writer.SetIDATSize(idatSize_);
    writer.Interlace = Interlace;
    writer.GrayScale = GrayScale;
    writer.Comment = Comment;
    writer.BGColor = BGColor;
    writer.TransColor = transColor_;
    writer.Gamma = Gamma;
    writer.SignificantBits = SignificantBits;
    writer.UnitSpecifier = UnitSpecifier;
    writer.PixelsPerUnitX = PixelsPerUnitX;
    writer.PixelsPerUnitY = PixelsPerUnitY;
    writer.UseSystemTime = UseSystemTime;
    writer.TimePlace = &time_;
    writer.ChrmPlace = &chrm_;
    writer.GIFExtPlace = &gifExt_;
    writer.OnEncode = OnEncode;
    writer.Password = Password;
    writer.AlphaBitmap = AlphaChannel ? GetAlphaBitmap() : nullptr;
    bool lend = static_cast<bool>(OnProgress);
    TProgressEvent saved;
    if (lend) {
        saved = Source->OnProgress;
        Source->OnProgress = OnProgress;
    }
    try {
        writer.SaveToStream(Source, Stream);
    } catch (...) {
        if (lend) Source->OnProgress = saved;
        throw;
    }
    if (lend) Source->OnProgress = saved;
}

void TPixPNG::SaveToStream(TStream* Stream) {
    SaveFrom(GetImage(), Stream);
}

void TPixPNG::WriteData(TStream* Stream) {
    if (!InnerImage()->Empty()) SaveFrom(InnerImage(), Stream);
}

void TPixPNG::Assign(TPersistent* Source) {
    image_ = nullptr;
    if (auto* other = dynamic_cast<TPixPNG*>(Source)) {
        InnerImage()->Assign(other->GetImage());
        alpha_.Assign(other->GetAlphaBitmap());
        idatSize_ = other->idatSize_;
        CompressLevel = other->CompressLevel;
        FilterType = other->FilterType;
        Interlace = other->Interlace;
        GrayScale = other->GrayScale;
        AlphaChannel = other->AlphaChannel;
        BitDepth = other->BitDepth;
        BGColor = other->BGColor;
        transColor_ = other->transColor_;
        Comment = other->Comment;
        Gamma = other->Gamma;
        Password = other->Password;
        SignificantBits = other->SignificantBits;
        UnitSpecifier = other->UnitSpecifier;
        PixelsPerUnitX = other->PixelsPerUnitX;
        PixelsPerUnitY = other->PixelsPerUnitY;
        SkipHeader128 = other->SkipHeader128;
        UseSystemTime = other->UseSystemTime;
        Use16BitFor555 = other->Use16BitFor555;
        time_ = other->time_;
        chrm_ = other->chrm_;
        gifExt_ = other->gifExt_;
    } else if (auto* file = dynamic_cast<TPixGraphicFileObject*>(Source)) {
        if (file->Graphic())
            InnerImage()->Assign(file->Graphic());
        else
            InnerImage()->SetSize(0, 0);
    } else if (dynamic_cast<TGraphic*>(Source)) {
        InnerImage()->Assign(Source);
    } else {
        TGraphic::Assign(Source);
    }
    SetTransFlag(GetImage());
}

void TPixPNG::AssignTo(TPersistent* Dest) {
    if (dynamic_cast<TGraphic*>(Dest)) {
        Dest->Assign(GetImage());
        return;
    }
    TGraphic::AssignTo(Dest);
}

void TPixPNG::Draw(TCanvas* ACanvas, const TRect& R) {
    ACanvas->StretchDraw(R, GetImage());
}

void TPixPNG::SetPalette(HPALETTE P) {
    GetImage()->SetPaletteHandle(P);
    Changed(this);
}

void TPixPNG::SetTransparent(bool T) {
    if (!refreshing_ && GetImage()->Transparent() != T) GetImage()->SetTransparentFlag(T);
    TGraphic::SetTransparent(T);
}

void TPixPNG::SetWidthImpl(int W) {
    if (!InnerImage()->Empty()) InnerImage()->SetWidth(W);
    if (!alpha_.Empty()) alpha_.SetWidth(W);
    Changed(this);
}

void TPixPNG::SetHeightImpl(int H) {
    if (!InnerImage()->Empty()) InnerImage()->SetHeight(H);
    if (!alpha_.Empty()) alpha_.SetHeight(H);
    Changed(this);
}

void TPixPNG::SetTransColor(TColor Color) {
    transColor_ = Color;
    TBitmap* image = GetImage();
    if (image->Empty()) return;
    if (Color != -1)
        image->SetTransparentColor(Color);
    else
        image->SetTransparentFlag(false);
}

void TPixPNG::SetTransFlag(TGraphic* Graphic) {
    if (Graphic->Transparent() != Transparent()) {
        refreshing_ = true;
        SetTransparentFlag(Graphic->Transparent());
        refreshing_ = false;
    } else {
        Changed(this);
    }
}

void TPixPNG::AlphaBitmapAssignTo(TGraphic* Graphic) {
    if (!GetAlphaBitmap()->Empty()) Graphic->Assign(GetAlphaBitmap());
}

void TPixPNG::LoadFromClipboardFormat(uint16_t Format, uintptr_t Data, HPALETTE Palette) {
    image_ = nullptr;
    InnerImage()->LoadFromClipboardFormat(Format, Data, Palette);
    SetTransFlag(InnerImage());
}

void TPixPNG::SaveToClipboardFormat(uint16_t& Format, uintptr_t& Data, HPALETTE& Palette) {
    InnerImage()->SaveToClipboardFormat(Format, Data, Palette);
}

void PixpngInitialization() {
    TPicture::RegisterFileFormat("PNG", "PNG Format", [] { return static_cast<TGraphic*>(new TPixPNG); });
}

void PixpngFinalization() {
    TPicture::UnregisterFileFormat("PNG");
}

namespace {
// The codec is registered as the "PNG" picture format for as long as the program runs.
struct TPixpngUnit {
    TPixpngUnit() { PixpngInitialization(); }
    ~TPixpngUnit() { PixpngFinalization(); }
} pixpngUnit;
} // namespace
