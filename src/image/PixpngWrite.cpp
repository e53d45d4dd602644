// The PNG writer: chunk order, sample layout and the compressed image rows.
#include "image/Pixpngstream.h"
#include "image/Sfunc.h"

#include <cmath>
#include <cstring>
#include <ctime>

namespace {
int DeflateLevel(uint8_t Level) {
    switch (Level) {
    case gplNone:
        return 0;
    case gplSpeed:
        return 1;
    case gplBest:
        return 9;
    default:
        return -1;
    }
}

TPNGTime CurrentUTC() {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&now, &tm);
    return TPNGTime{static_cast<uint16_t>(tm.tm_year + 1900), static_cast<uint8_t>(tm.tm_mon + 1),
                    static_cast<uint8_t>(tm.tm_mday),         static_cast<uint8_t>(tm.tm_hour),
                    static_cast<uint8_t>(tm.tm_min),          static_cast<uint8_t>(tm.tm_sec)};
}

int Luma(int r, int g, int b) {
    return (77 * r + 150 * g + 29 * b) >> 8;
}

uint8_t Widen5(int v) {
    return static_cast<uint8_t>(v << 3 | v >> 2);
}
uint8_t Widen6(int v) {
    return static_cast<uint8_t>(v << 2 | v >> 4);
}

void PutPacked(uint8_t* Out, int i, int Bits, int v) {
    switch (Bits) {
    case 1:
        Out[i >> 3] = static_cast<uint8_t>(Out[i >> 3] | (v & 1) << (7 - (i & 7)));
        break;
    case 2:
        Out[i >> 2] = static_cast<uint8_t>(Out[i >> 2] | (v & 3) << (6 - 2 * (i & 3)));
        break;
    case 4:
        Out[i >> 1] = static_cast<uint8_t>(Out[i >> 1] | (v & 15) << ((i & 1) ? 0 : 4));
        break;
    default:
        Out[i] = static_cast<uint8_t>(v);
        break;
    }
}
} // namespace

TPixPNGWriteStream::TPixPNGWriteStream() = default;

void TPixPNGWriteStream::SetIDATSize(int Size) {
    if (Size < 256 || Size > 100000) throw EPixPNG("Write PNG Param: Err IDAT Size(min:256  max:100000)");
    idatSize_ = Size;
}

void TPixPNGWriteStream::WriteChunk(uint32_t Type, const uint8_t* Data, int Length) {
    uint8_t type[4];
    PutM32(type, Type);
    WriteMDWord(static_cast<uint32_t>(Length));
    WriteByte(type, 4);
    uLong crc = crc32(0, type, 4);
    if (Length > 0) {
        WriteByte(Data, Length);
        crc = crc32(crc, Data, static_cast<uInt>(Length));
    }
    WriteMDWord(static_cast<uint32_t>(crc));
}

void TPixPNGWriteStream::Prepare() {
    srcBits_ = Bitmap_->BitsPerPixel();
    sampleBits_ = srcBits_ == 15 || srcBits_ == 16 ? 24 : srcBits_;
    hasAlpha_ = AlphaBitmap && AlphaBitmap->Width() == Bitmap_->Width() &&
                AlphaBitmap->Height() == Bitmap_->Height() && AlphaBitmap->BitsPerPixel() == 8;
    // A palette picture with an alpha bitmap is written as grey with alpha whose samples are the
    // indexes, the palette beside them; PNG has no per-pixel alpha for indexed pixels.
    greyPalette_ = !GrayScale && srcBits_ <= 8 && hasAlpha_;
    table_ = srcBits_ <= 8 ? Bitmap_->ColorTable() : std::vector<TRGBQuad>();
    if (srcBits_ <= 8 && table_.empty()) {
        table_.resize(static_cast<size_t>(GetMaxColorSub(srcBits_)));
        CreateGrayScalePalette(table_.data(), srcBits_);
    }
    if (GrayScale || greyPalette_) {
        // Grey with alpha exists only at 8 bits and more.
        depth_ = hasAlpha_ || srcBits_ > 8 ? 8 : srcBits_;
        colorType_ = hasAlpha_ ? 4 : 0;
    } else if (srcBits_ <= 8) {
        depth_ = srcBits_;
        colorType_ = 3;
    } else {
        depth_ = 8;
        colorType_ = hasAlpha_ ? 6 : 2;
    }
    int channels = colorType_ == 4 ? 2 : colorType_ == 2 ? 3 : colorType_ == 6 ? 4 : 1;
    pngBits_ = depth_ * channels;
    encoded_ = OnEncode && !Password.empty();
    SetGrayScalePaletteIndex();
}

void TPixPNGWriteStream::SetGrayScalePaletteIndex() {
    for (int i = 0; i < 256; ++i) {
        if (greyPalette_) {
            greyIndex_[i] = static_cast<uint8_t>(i);
            continue;
        }
        int g = i < static_cast<int>(table_.size())
                    ? Luma(table_[i].rgbRed, table_[i].rgbGreen, table_[i].rgbBlue)
                    : 0;
        greyIndex_[i] = static_cast<uint8_t>(depth_ == 1 ? (g > 127) : depth_ == 4 ? g >> 4 : g);
    }
}

uint16_t TPixPNGWriteStream::GreyOf(TColor c) const {
    if (greyPalette_)
        return static_cast<uint16_t>(GetNearestColorTableIndex(table_.data(), c, int(table_.size())));
    int g = Luma(GetRValue(c), GetGValue(c), GetBValue(c));
    return static_cast<uint16_t>(depth_ == 1 ? (g > 127) : depth_ == 4 ? g >> 4 : g);
}

void TPixPNGWriteStream::WriteHeader() {
    uint8_t h[13];
    PutM32(h, static_cast<uint32_t>(Bitmap_->Width()));
    PutM32(h + 4, static_cast<uint32_t>(Bitmap_->Height()));
    h[8] = static_cast<uint8_t>(depth_);
    h[9] = static_cast<uint8_t>(colorType_);
    h[10] = 0;
    h[11] = 0;
    h[12] = static_cast<uint8_t>(Interlace ? 1 : 0);
    WriteChunk(cIHDR, h, 13);
}

void TPixPNGWriteStream::WriteTime() {
    TPNGTime t = UseSystemTime || !TimePlace ? CurrentUTC() : *TimePlace;
    if (t.Year == 0 || t.Month < 1 || t.Month > 12 || t.Day < 1 || t.Day > 31 || t.Hour >= 24 ||
        t.Minute >= 60 || t.Second >= 61)
        return;
    uint8_t d[7];
    PutM16(d, t.Year);
    d[2] = t.Month, d[3] = t.Day, d[4] = t.Hour, d[5] = t.Minute, d[6] = t.Second;
    WriteChunk(ctIME, d, 7);
}

void TPixPNGWriteStream::WriteText(const AnsiString& Keyword, const AnsiString& Text) {
    std::string d = Keyword;
    d.push_back('\0');
    d += Text;
    WriteChunk(ctEXt, reinterpret_cast<const uint8_t*>(d.data()), static_cast<int>(d.size()));
}

void TPixPNGWriteStream::WritePixData() {
    std::vector<uint8_t> d(8);
    PutM32(d.data(), PixPNGMagic);
    d[4] = encoded_ ? 1 : 0;
    d[5] = greyPalette_ ? 1 : 0;
    PutM16(d.data() + 6, LayerPlace ? 3 : 0);
    if (LayerPlace) {
        const auto& l = *LayerPlace;
        size_t at = d.size();
        d.resize(at + 4 + l.Name.size() + 16 + 4 + 32, 0);
        PutM32(&d[at], static_cast<uint32_t>(l.Name.size()));
        std::memcpy(&d[at + 4], l.Name.data(), l.Name.size());
        at += 4 + l.Name.size();
        PutM32(&d[at], static_cast<uint32_t>(l.Left));
        PutM32(&d[at + 4], static_cast<uint32_t>(l.Top));
        PutM32(&d[at + 8], static_cast<uint32_t>(l.Width));
        PutM32(&d[at + 12], static_cast<uint32_t>(l.Height));
        PutM16(&d[at + 16], l.Opacity);
        PutM16(&d[at + 18], l.Flags);
    }
    WriteChunk(ctpNg, d.data(), static_cast<int>(d.size()));
}

void TPixPNGWriteStream::WriteColorChunks() {
    if (GIFExtPlace &&
        (GIFExtPlace->DisposalMethod || GIFExtPlace->UserInputFlag || GIFExtPlace->DelayTime)) {
        uint8_t d[4] = {GIFExtPlace->DisposalMethod, GIFExtPlace->UserInputFlag};
        PutM16(d + 2, GIFExtPlace->DelayTime);
        WriteChunk(cgIFg, d, 4);
    }
    double g = std::round(Gamma * 100000);
    if (g >= 1 && g <= 0xFFFFFFFF) {
        uint8_t d[4];
        PutM32(d, static_cast<uint32_t>(g));
        WriteChunk(cgAMA, d, 4);
    }
    if (ChrmPlace && ChrmPlace->Value[0] != 0 && static_cast<int32_t>(ChrmPlace->Value[1]) > 0) {
        uint8_t d[32];
        for (int i = 0; i < 8; ++i)
            PutM32(d + 4 * i, ChrmPlace->Value[i]);
        WriteChunk(ccHRM, d, 32);
    }
    bool grey = colorType_ == 0 || colorType_ == 4;
    uint32_t sbit = srcBits_ == 15 ? 0x050505 : srcBits_ == 16 ? 0x050605 : SignificantBits & 0xFFFFFF;
    if (hasAlpha_) sbit |= (srcBits_ == 15 || srcBits_ == 16 ? 8u : SignificantBits >> 24) << 24;
    bool sbitValid = true;
    for (int i = 0; i < (hasAlpha_ ? 4 : 3); ++i) {
        int b = (sbit >> (8 * i)) & 0xFF;
        sbitValid = sbitValid && b >= 1 && b <= 8;
    }
    if (sbit != 0 && !grey && sbitValid) {
        uint8_t d[4] = {uint8_t(sbit), uint8_t(sbit >> 8), uint8_t(sbit >> 16), uint8_t(sbit >> 24)};
        WriteChunk(csBIT, d, hasAlpha_ ? 4 : 3);
    }
    if (colorType_ == 3 || greyPalette_) {
        std::vector<uint8_t> d;
        for (const auto& q : table_)
            d.insert(d.end(), {q.rgbRed, q.rgbGreen, q.rgbBlue});
        WriteChunk(cPLTE, d.data(), static_cast<int>(d.size()));
    }
    auto colourSamples = [](TColor c, uint8_t* d) {
        PutM16(d, static_cast<uint16_t>(GetRValue(c)));
        PutM16(d + 2, static_cast<uint16_t>(GetGValue(c)));
        PutM16(d + 4, static_cast<uint16_t>(GetBValue(c)));
    };
    int tableCount = static_cast<int>(table_.size());
    if (BGColor != -1) {
        uint8_t d[6];
        if (grey) {
            PutM16(d, GreyOf(BGColor));
            WriteChunk(cbKGD, d, 2);
        } else if (colorType_ == 3) {
            d[0] = static_cast<uint8_t>(GetNearestColorTableIndex(table_.data(), BGColor, tableCount));
            WriteChunk(cbKGD, d, 1);
        } else {
            colourSamples(BGColor, d);
            WriteChunk(cbKGD, d, 6);
        }
    }
    if (TransColor != -1 && colorType_ != 4 && colorType_ != 6) {
        uint8_t d[6];
        if (colorType_ == 0) {
            PutM16(d, GreyOf(TransColor));
            WriteChunk(ctRNS, d, 2);
        } else if (colorType_ == 3) {
            int index = GetNearestColorTableIndex(table_.data(), TransColor, tableCount);
            std::vector<uint8_t> a(static_cast<size_t>(index + 1), 255);
            a[index] = 0;
            WriteChunk(ctRNS, a.data(), static_cast<int>(a.size()));
        } else {
            colourSamples(TransColor, d);
            WriteChunk(ctRNS, d, 6);
        }
    }
    if (PixelsPerUnitX >= 1 && PixelsPerUnitY >= 1) {
        uint8_t d[9];
        uint32_t x = static_cast<uint32_t>(PixelsPerUnitX), y = static_cast<uint32_t>(PixelsPerUnitY);
        if (UnitSpecifier == gpuInch) {
            x = static_cast<uint32_t>(std::lround(PixelsPerUnitX * 100.0 / 254 * 100));
            y = static_cast<uint32_t>(std::lround(PixelsPerUnitY * 100.0 / 254 * 100));
        }
        PutM32(d, x);
        PutM32(d + 4, y);
        d[8] = UnitSpecifier == gpuAspect ? 0 : 1;
        WriteChunk(cpHYs, d, 9);
    }
}

void TPixPNGWriteStream::GetLinePixels(const uint8_t* Line, const uint8_t* Alpha, uint8_t* Out, int Start,
                                       int Step, int Count) {
    bool grey = colorType_ == 0 || colorType_ == 4;
    for (int i = 0; i < Count; ++i) {
        int x = Start + i * Step;
        int r = 0, g = 0, b = 0, index = 0;
        switch (srcBits_) {
        case 1:
        case 4:
        case 8:
            index = GetPixelIndex(Line, x, srcBits_);
            break;
        case 15: {
            int w = Line[2 * x] | Line[2 * x + 1] << 8;
            r = Widen5(w >> 10 & 31), g = Widen5(w >> 5 & 31), b = Widen5(w & 31);
            break;
        }
        case 16: {
            int w = Line[2 * x] | Line[2 * x + 1] << 8;
            r = Widen5(w >> 11 & 31), g = Widen6(w >> 5 & 63), b = Widen5(w & 31);
            break;
        }
        default: {
            int bytes = sampleBits_ == 32 ? 4 : 3;
            b = Line[bytes * x], g = Line[bytes * x + 1], r = Line[bytes * x + 2];
            break;
        }
        }
        uint8_t alpha = Alpha ? static_cast<uint8_t>(255 - Alpha[x]) : 255;
        if (grey) {
            int v = srcBits_ <= 8 ? greyIndex_[index] : Luma(r, g, b);
            if (colorType_ == 4) {
                Out[2 * i] = static_cast<uint8_t>(v);
                Out[2 * i + 1] = alpha;
            } else {
                PutPacked(Out, i, depth_, v);
            }
        } else if (colorType_ == 3) {
            PutPacked(Out, i, depth_, index);
        } else {
            int n = colorType_ == 6 ? 4 : 3;
            Out[n * i] = static_cast<uint8_t>(r);
            Out[n * i + 1] = static_cast<uint8_t>(g);
            Out[n * i + 2] = static_cast<uint8_t>(b);
            if (n == 4) Out[n * i + 3] = alpha;
        }
    }
}

void TPixPNGWriteStream::WriteImage() {
    if (ZLIBEncodeInit(png_, DeflateLevel(CompressLevel), idatSize_) != 0)
        throw EPixPNG("Write Image (PNG): Write Error");
    png_.Drain = [this](const uint8_t* Data, int Length) {
        WriteChunk(cIDAT, Data, Length);
        return 0;
    };
    png_.BitsPerPixel = pngBits_;
    png_.FilterType = FilterType;
    png_.Kind = colorType_ == 0 || colorType_ == 3 ? pngBits_ : 0;
    int w = Bitmap_->Width(), h = Bitmap_->Height();
    int passes = Interlace ? 7 : 1;
    int64_t total = 0, done = 0;
    for (int p = 0; p < passes; ++p)
        if (!Interlace || PassExtent(w, Adam7ColStart[p], Adam7ColStep[p]) > 0)
            total += Interlace ? PassExtent(h, Adam7RowStart[p], Adam7RowStep[p]) : h;
    SetCallBackParam(static_cast<int>(std::min<int64_t>(total, 0x7FFFFFFF)), 0);
    for (int p = 0; p < passes; ++p) {
        int cs = Interlace ? Adam7ColStart[p] : 0, cstep = Interlace ? Adam7ColStep[p] : 1;
        int rs = Interlace ? Adam7RowStart[p] : 0, rstep = Interlace ? Adam7RowStep[p] : 1;
        int pw = PassExtent(w, cs, cstep), ph = PassExtent(h, rs, rstep);
        if (pw == 0 || ph == 0) continue;
        png_.StartPass(static_cast<int>((int64_t(pw) * pngBits_ + 7) / 8));
        for (int r = 0; r < ph; ++r) {
            int y = rs + r * rstep;
            std::fill(png_.CurRow.begin(), png_.CurRow.end(), 0);
            GetLinePixels(Bitmap_->ScanLine(y), hasAlpha_ ? AlphaBitmap->ScanLine(y) : nullptr,
                          png_.CurRow.data() + 1, cs, cstep, pw);
            if (encoded_) OnEncode(this, png_.CurRow.data() + 1, png_.RowLength - 1, y, Password);
            if (png_write_line(png_) < 0) throw EPixPNG("Write Image (PNG): Write Error");
            png_.SwapRows();
            DoCallBack(++done);
        }
    }
    if (ZLIBEncodeFlush(png_) < 0) throw EPixPNG("Write Image (PNG): Write Error");
    ZLIBEncodeFinish(png_);
}

void TPixPNGWriteStream::WriteStream() {
    // A PNG picture has at least one pixel; no file is started for an empty bitmap.
    if (Bitmap_->Empty()) throw EPixPNG("Write Image (PNG): Empty Image");
    StartCallBack();
    Prepare();
    if (WriteSignature) WriteByte(PngSignature, 8);
    WriteHeader();
    WriteTime();
    if (!Comment.empty()) WriteText("Comment", Utf8ToCp932(Comment));
    WriteText("Software", "PIXPNG ver 3.3");
    WritePixData();
    WriteColorChunks();
    if (StopFlag()) return;
    WriteImage();
    WriteChunk(cIEND, nullptr, 0);
    EndCallBack();
}
