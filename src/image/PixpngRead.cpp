// The PNG reader: chunk loop, header checks, pixel formats and the image rows.
#include "image/Pixpngstream.h"
#include "image/Sfunc.h"

#include <algorithm>
#include <cstring>

namespace {
int64_t maxPixels = int64_t(1) << 28; // 1 GiB at 32 bits per pixel
constexpr TColor PaletteIndexFlag = 0x01000000;
constexpr TColor PaletteAlphaMark = 0x1FFFFFF;
} // namespace

int64_t PixPNGMaxPixels() {
    return maxPixels;
}
void SetPixPNGMaxPixels(int64_t Pixels) {
    maxPixels = Pixels;
}

void TPixPNGReadStream::Reset() {
    remaining_ = 0;
    chunkType_ = 0;
    flags_ = 0;
    width_ = height_ = 0;
    depth_ = reportedDepth_ = colorKind_ = interlace_ = 0;
    alpha_ = grey_ = greyPalette_ = paletteAlphaRead_ = usePaletteAlpha_ = alphaRows_ = false;
    std::memset(paletteAlpha_, 255, sizeof paletteAlpha_);
    transColor_ = bgColor_ = -1;
    gamma_ = 0;
    sbit_ = 0;
    unit_ = 0;
    ppuX_ = ppuY_ = 0;
    workPassword_.clear();
    converter_ = nullptr;
    pngBits_ = 0;
    reducer_.reset();
    reducerTable_.clear();
}

void TPixPNGReadStream::ReadStream() {
    StartCallBack();
    SetCallBackParam(0, 0, 30);
    Reset();
    if (TimePlace) *TimePlace = TPNGTime{};
    if (GIFExtPlace) *GIFExtPlace = TPNGGIFExtension{};
    if (ChrmPlace) *ChrmPlace = TPNGChromaticities{};
    if (LayerPlace) *LayerPlace = TPixPNGLayerData{};

    if (CheckSignature) {
        uint8_t sig[8];
        ReadByte(sig, 8);
        if (std::memcmp(sig, PngSignature, 8) != 0) throw EPixPNG("PNG LoadStream: Not PNG Format");
    }
    ReadChunk();
    // A file that ends, or stops, before its image has been read whole is no picture.
    if (!Has(pcIDAT)) throw EPixPNG("PNG LoadStream: No Image Data");
    if (reducer_) transColor_ = -1; // averaged pixels cannot be matched against one colour

    if (!EndFlag() && !alpha_ && transColor_ != -1) {
        if (transColor_ & PaletteIndexFlag) {
            int index = transColor_ & 0xFFFFFF;
            transColor_ = index < ColorCount ? RGB(ColorTable()[index].rgbRed, ColorTable()[index].rgbGreen,
                                                   ColorTable()[index].rgbBlue)
                                             : -1;
        }
        if (transColor_ != -1) {
            Bitmap_->SetTransparentColor(transColor_);
            Bitmap_->SetTransparentFlag(true);
        }
    }
    if (usePaletteAlpha_ && AlphaBitmap) ConvertPAlpha();
    EndCallBack();
    ZLIBDecodeFinish(png_);
    pixRow_.clear();
    alphaRow_.clear();
}

void TPixPNGReadStream::ReadChunk() {
    // A stop (a read that could not be asked for) ends the loop like the end of the data.
    while (!EndFlag() && !StopFlag() && !Has(pcIEND)) {
        uint32_t length = ReadMDword();
        chunkType_ = ReadMDword();
        if (EndFlag()) break;
        remaining_ = static_cast<int32_t>(length);
        switch (chunkType_) {
        case cIHDR:
            if (Has(pcIHDR)) throw EPixPNG("Read Header(PNG): appear two IHDR");
            ReadHeader();
            break;
        case cPLTE:
            if (Has(pcIHDR) && !Has(pcIDAT) && !Has(pcPLTE) &&
                (colorKind_ != 0 || (alpha_ && depth_ == 8 && greyPalette_)))
                ReadPalette();
            break;
        case cIDAT:
            if (Has(pcIHDR) && !Has(pcIDAT)) ReadImage();
            break;
        case cIEND:
            Set(pcIEND);
            break;
        case ctRNS:
            if (Has(pcIHDR) && !Has(pcIDAT) && !alpha_) ReadTransColor();
            break;
        case cbKGD:
            if (Has(pcIHDR) && !Has(pcIDAT)) ReadBGColor();
            break;
        case ccHRM:
            if (Has(pcIHDR) && !Has(pcIDAT) && !Has(pcPLTE) && remaining_ == 32 && ChrmPlace) ReadChrm();
            break;
        case cgAMA:
            if (Has(pcIHDR) && !Has(pcIDAT) && !Has(pcPLTE)) ReadGamma();
            break;
        case cpHYs:
            if (Has(pcIHDR) && !Has(pcIDAT)) ReadAspectData();
            break;
        case csBIT:
            if (Has(pcIHDR) && !Has(pcIDAT) && !Has(pcPLTE) && remaining_ >= 2) ReadsBIT();
            break;
        case ctEXt:
            if (remaining_ != 0) ReadText();
            break;
        case ctIME:
            if (remaining_ == 7 && TimePlace) ReadTime();
            break;
        case cgIFg:
            if (Has(pcIHDR) && !Has(pcIDAT) && !Has(pcPLTE) && remaining_ == 4 && GIFExtPlace) ReadGIFExt();
            break;
        case ctpNg:
            if (Has(pcIHDR) && !Has(pcIDAT) && !Has(pcTPNG)) ReadPixData();
            break;
        default:
            break;
        }
        if (remaining_ > 0) ReadSkipByte(remaining_);
        ReadMDword(); // CRC, not checked
        if (!Has(pcIDAT)) DoCallBack(Consumed());
    }
}

// Chunk-bounded reads: a handler never reads past its chunk, so a short chunk cannot
// pull the following chunks out of step; what is missing reads as zero.
void TPixPNGReadStream::CBytes(void* Dest, int64_t n) {
    if (n <= 0) return;
    if (n > remaining_) {
        std::memset(Dest, 0, static_cast<size_t>(n));
        return;
    }
    ReadByte(Dest, n);
    remaining_ -= static_cast<int32_t>(n);
}

uint8_t TPixPNGReadStream::C1() {
    uint8_t b = 0;
    CBytes(&b, 1);
    return b;
}

uint16_t TPixPNGReadStream::CM16() {
    uint8_t b[2];
    CBytes(b, 2);
    return static_cast<uint16_t>(b[0] << 8 | b[1]);
}

uint32_t TPixPNGReadStream::CM32() {
    uint8_t b[4];
    CBytes(b, 4);
    return uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | b[3];
}

void TPixPNGReadStream::ReadHeader() {
    width_ = CM32();
    height_ = CM32();
    depth_ = C1();
    int type = C1() & 7;
    if (type == 1 || type == 5 || type == 7) throw EPixPNG("Read Header(PNG): Error ColorType");
    if (type & 4) {
        alpha_ = true;
        type &= 3;
    }
    grey_ = type == 0;
    colorKind_ = type;
    if (C1() >= 2) throw EPixPNG("Read Header(PNG): not support Compression");
    if (C1() >= 2) throw EPixPNG("Read Header(PNG): not supprt Filter");
    interlace_ = C1();
    if (interlace_ >= 2) throw EPixPNG("Read Header(PNG): not interlace type");
    if (EndFlag()) return;
    // The bitmap must be able to hold the picture.
    if (width_ == 0 || height_ == 0 || width_ > PixPNGMaxSide || height_ > PixPNGMaxSide ||
        int64_t(width_) * height_ > maxPixels)
        throw EPixPNG("Read Header(PNG): Error ImageSize");
    Width = static_cast<int>(width_);
    Height = static_cast<int>(height_);
    Set(pcIHDR);
}

void TPixPNGReadStream::ReadPalette() {
    int n = std::min(remaining_ / 3, 256);
    TRGBQuad* t = ColorTable();
    for (int i = 0; i < n; ++i) {
        uint8_t rgb[3];
        CBytes(rgb, 3);
        t[i] = TRGBQuad{rgb[2], rgb[1], rgb[0], 0};
    }
    ColorCount = std::max(n, 0);
    Set(pcPLTE);
}

// A grey sample as a colour; samples of 1, 2 and 4 bits are scaled like the grey ramp.
TColor TPixPNGReadStream::GreyColor(uint16_t Sample) const {
    int v;
    switch (depth_) {
    case 16:
        v = Sample >> 8;
        break;
    case 1:
        v = (Sample & 1) * 255;
        break;
    case 2:
        v = (Sample & 3) * 85;
        break;
    case 4:
        v = (Sample & 15) * 17;
        break;
    default:
        v = Sample & 0xFF;
        break;
    }
    return RGB(v, v, v);
}

void TPixPNGReadStream::ReadTransColor() {
    if (colorKind_ == 0) {
        transColor_ = GreyColor(CM16());
    } else if (colorKind_ == 2) {
        int shift = depth_ == 16 ? 8 : 0;
        int r = CM16() >> shift, g = CM16() >> shift, b = CM16() >> shift;
        transColor_ = RGB(r, g, b);
    } else if (Has(pcPLTE)) {
        int n = std::min<int>(remaining_, ColorCount);
        CBytes(paletteAlpha_, n);
        paletteAlphaRead_ = true;
        transColor_ = PaletteAlphaMark;
    }
}

void TPixPNGReadStream::ReadBGColor() {
    if (colorKind_ == 0) {
        uint16_t s = CM16();
        if (greyPalette_)
            bgColor_ = s < 256 ? PaletteIndexFlag + s : -1;
        else
            bgColor_ = GreyColor(s);
    } else if (colorKind_ == 2) {
        int shift = depth_ == 16 ? 8 : 0;
        int r = CM16() >> shift, g = CM16() >> shift, b = CM16() >> shift;
        bgColor_ = RGB(r, g, b);
    } else {
        bgColor_ = PaletteIndexFlag + C1();
    }
}

void TPixPNGReadStream::ReadChrm() {
    for (auto& v : ChrmPlace->Value)
        v = CM32();
}

void TPixPNGReadStream::ReadGamma() {
    gamma_ = CM32() / 100000.0;
}

void TPixPNGReadStream::ReadAspectData() {
    ppuX_ = static_cast<int>(CM32());
    ppuY_ = static_cast<int>(CM32());
    unit_ = C1();
}

void TPixPNGReadStream::ReadsBIT() {
    uint32_t b0 = C1(), b1 = C1(), b2 = C1();
    sbit_ = b0 | b1 << 8 | b2 << 16;
    if (alpha_) sbit_ |= uint32_t(C1()) << 24;
}

void TPixPNGReadStream::ReadText() {
    if (remaining_ < 0 || remaining_ > DataLeft()) {
        // Claims more than the file holds: the data ends here.
        ReadSkipByte(DataLeft() + 1);
        return;
    }
    std::string data(static_cast<size_t>(remaining_), '\0');
    CBytes(data.data(), remaining_);
    size_t nul = data.find('\0');
    if (nul == std::string::npos || data.compare(0, nul, "Comment") != 0) return;
    if (!Comment.empty()) Comment += "\r\n";
    Comment += Cp932ToUtf8(data.substr(nul + 1)) + "\r\n";
}

void TPixPNGReadStream::ReadTime() {
    TimePlace->Year = CM16();
    TimePlace->Month = C1();
    TimePlace->Day = C1();
    TimePlace->Hour = C1();
    TimePlace->Minute = C1();
    TimePlace->Second = C1();
}

void TPixPNGReadStream::ReadGIFExt() {
    GIFExtPlace->DisposalMethod = C1();
    GIFExtPlace->UserInputFlag = C1();
    GIFExtPlace->DelayTime = CM16();
}

void TPixPNGReadStream::ReadPixData() {
    Set(pcTPNG);
    if (CM32() != PixPNGMagic) return;
    if (C1() != 0) {
        workPassword_ = Password;
        if (OnPassword) OnPassword(this, workPassword_);
    }
    if (C1() == 1) greyPalette_ = true;
    if (CM16() != 3 || !LayerPlace) return;
    uint32_t n = CM32();
    if (n > static_cast<uint32_t>(std::max(remaining_, 0))) return;
    LayerPlace->Name.assign(n, '\0');
    CBytes(LayerPlace->Name.data(), n);
    LayerPlace->Left = static_cast<int32_t>(CM32());
    LayerPlace->Top = static_cast<int32_t>(CM32());
    LayerPlace->Width = static_cast<int32_t>(CM32());
    LayerPlace->Height = static_cast<int32_t>(CM32());
    LayerPlace->Opacity = CM16();
    LayerPlace->Flags = CM16();
}

void TPixPNGReadStream::CheckImageFormat() {
    converter_ = nullptr;
    reportedDepth_ = depth_;
    ColorCount = colorKind_ == 3 || greyPalette_ ? ColorCount : 0;
    switch (colorKind_) {
    case 0:
        if (depth_ != 1 && depth_ != 2 && depth_ != 4 && depth_ != 8 && depth_ != 16)
            throw EPixPNG("Read Header(PNG): Error Bitdepth");
        if (alpha_ && depth_ < 8) throw EPixPNG("Read Header(PNG): not Use AlphaChannel");
        pngBits_ = depth_ * (alpha_ ? 2 : 1);
        BitCount = depth_ == 2 ? 4 : (depth_ >= 8 ? 8 : depth_);
        if (depth_ == 2) converter_ = Change2to4;
        if (depth_ == 8 && alpha_) converter_ = ChangeGray8A;
        if (depth_ == 16) converter_ = alpha_ ? ChangeGray16A : ChangeGray16;
        // A grey-palette file whose palette was not taken shows its samples as grey.
        if (!greyPalette_ || !Has(pcPLTE)) ColorCount = CreateGrayScalePalette(ColorTable(), depth_);
        break;
    case 2: {
        if (depth_ != 8 && depth_ != 16) throw EPixPNG("Read Header(PNG): Error BitDepth");
        pngBits_ = depth_ * (alpha_ ? 4 : 3);
        BitCount = 24;
        bool s555 = (sbit_ & 0xFFFFFF) == 0x050505, s565 = (sbit_ & 0xFFFFFF) == 0x050605;
        if (depth_ == 16) {
            converter_ = alpha_ ? RGBAtoBGRA64 : RGBtoBGR48;
        } else if (Use16BitFor555 && (s555 || s565)) {
            BitCount = 16;
            reportedDepth_ = s555 ? 15 : 16;
            converter_ = alpha_ ? RGBAtoBGRA16 : RGBtoBGR16;
        } else {
            converter_ = alpha_ ? RGBAtoBGRA32 : RGBtoBGR24;
        }
        break;
    }
    default:
        if (depth_ != 1 && depth_ != 2 && depth_ != 4 && depth_ != 8)
            throw EPixPNG("Read Header(PNG): Error BitDepth");
        // Indexes without a colour table do not make a picture.
        if (!Has(pcPLTE)) throw EPixPNG("Read Header(PNG): No Palette");
        pngBits_ = depth_;
        BitCount = depth_ == 2 ? 4 : depth_;
        if (depth_ == 2) converter_ = Change2to4;
        break;
    }
}

void TPixPNGReadStream::CreateDIB() {
    usePaletteAlpha_ = false;
    if (colorKind_ == 3 && paletteAlphaRead_) {
        int zeros = 0, zeroIndex = -1;
        bool othersOpaque = true;
        for (int i = 0; i < ColorCount; ++i) {
            if (paletteAlpha_[i] == 0)
                ++zeros, zeroIndex = i;
            else if (paletteAlpha_[i] != 255)
                othersOpaque = false;
        }
        if (zeros == 1 && othersOpaque) {
            transColor_ = PaletteIndexFlag + zeroIndex;
        } else {
            transColor_ = -1;
            usePaletteAlpha_ = true;
        }
    }
    if (!Limit.Fits(Width, Height)) {
        const TRGBQuad* t = ColorTable();
        reducerTable_.assign(t, t + std::min(ColorCount, 256));
        reducer_ = std::make_unique<TPictureReducer>(Width, Height, Limit.Fit(Width, Height), Bitmap_,
                                                     /*Sampling=*/interlace_ != 0);
        usePaletteAlpha_ = false;
    } else {
        TPixCustomGraphicReadStream::CreateDIB();
        if (Bitmap_->Width() != Width || Bitmap_->Height() != Height)
            throw EPixPNG("Read Header(PNG): Error ImageSize");
    }
    if (bgColor_ != -1 && (bgColor_ & PaletteIndexFlag)) {
        int index = bgColor_ & 0xFFFFFF;
        const TRGBQuad* t = ColorTable();
        bgColor_ = index < ColorCount ? RGB(t[index].rgbRed, t[index].rgbGreen, t[index].rgbBlue) : -1;
    }
    alphaRows_ = alpha_ && AlphaBitmap && !reducer_;
    if ((alpha_ || usePaletteAlpha_) && AlphaBitmap && !reducer_) {
        AlphaBitmap->SetSize(0, 0);
        AlphaBitmap->SetPixelFormat(pf8bit);
        AlphaBitmap->SetSize(Width, Height);
        std::vector<TRGBQuad> grey(256);
        CreateGrayScalePalette(grey.data(), 8);
        AlphaBitmap->SetColorTable(grey);
    }
}

int TPixPNGReadStream::RefillIDAT(TPixZLIBInfo& Info) {
    while (remaining_ <= 0) {
        ReadMDword(); // CRC of the used-up chunk
        uint32_t length = ReadMDword();
        uint32_t type = ReadMDword();
        if (EndFlag() || StopFlag()) return 1;
        chunkType_ = type;
        remaining_ = static_cast<int32_t>(length);
        if (type != cIDAT) return -1; // the image data must be contiguous
    }
    int n = std::min(remaining_, ZLIBInputSize);
    ReadByte(Info.Buffer.data(), n);
    if (EndFlag()) return 1;
    remaining_ -= n;
    Info.Stream.next_in = Info.Buffer.data();
    Info.Stream.avail_in = static_cast<uInt>(n);
    return 0;
}

void TPixPNGReadStream::PlaceRow(int Pass, int Row, int Count) {
    const uint8_t* data = png_.CurRow.data() + 1;
    if (converter_) {
        converter_(data, pixRow_.data(), alphaRows_ ? alphaRow_.data() : nullptr, Count);
        data = pixRow_.data();
    }
    if (reducer_) {
        if (Pass < 0)
            reducer_->AddRow(Row, data, BitCount, reducerTable_);
        else
            reducer_->AddPixels(Row, data, BitCount, reducerTable_, Adam7ColStart[Pass], Adam7ColStep[Pass],
                                Count);
        return;
    }
    uint8_t* line = Bitmap_->ScanLine(Row);
    uint8_t* aline = alphaRows_ ? AlphaBitmap->ScanLine(Row) : nullptr;
    if (Pass < 0) {
        SetPixels_Normal(data, line, Count, BitCount);
        if (aline) SetPixels_Normal_A(alphaRow_.data(), aline, Count);
        return;
    }
    int start = Adam7ColStart[Pass], step = Adam7ColStep[Pass];
    switch (BitCount) {
    case 1:
        SetPixels_Inter1(data, line, Count, start, step);
        break;
    case 4:
        SetPixels_Inter4(data, line, Count, start, step);
        break;
    case 8:
        SetPixels_Inter8(data, line, Count, start, step);
        break;
    case 16:
        SetPixels_Inter16(data, line, Count, start, step);
        break;
    default:
        SetPixels_Inter24(data, line, Count, start, step);
        break;
    }
    if (aline) SetPixels_InterA(alphaRow_.data(), aline, Count, start, step);
}

void TPixPNGReadStream::ReadImage() {
    if (ZLIBDecodeInit(png_) != 0) throw EPixPNG("PNG LoadStream: Error ZLIB");
    png_.Refill = [this](TPixZLIBInfo& info) { return RefillIDAT(info); };
    CheckImageFormat();
    CreateDIB();
    png_.BitsPerPixel = pngBits_;
    pixRow_.assign(static_cast<size_t>(GetLineSize(Width, BitCount)), 0);
    alphaRow_.assign(static_cast<size_t>(Width), 0);
    int passes = interlace_ ? 7 : 1;
    int64_t rowsDone = 0, totalRows = 0;
    for (int p = 0; p < passes; ++p)
        if (!interlace_ || PassExtent(Width, Adam7ColStart[p], Adam7ColStep[p]) > 0)
            totalRows += interlace_ ? PassExtent(Height, Adam7RowStart[p], Adam7RowStep[p]) : Height;
    SetCallBackParam(1, static_cast<int>(std::min<int64_t>(totalRows, 0x7FFFFFFF)), 98);

    for (int p = 0; p < passes; ++p) {
        int cs = interlace_ ? Adam7ColStart[p] : 0, cstep = interlace_ ? Adam7ColStep[p] : 1;
        int rs = interlace_ ? Adam7RowStart[p] : 0, rstep = interlace_ ? Adam7RowStep[p] : 1;
        int pw = PassExtent(Width, cs, cstep), ph = PassExtent(Height, rs, rstep);
        if (pw == 0 || ph == 0) continue;
        png_.StartPass(static_cast<int>((int64_t(pw) * pngBits_ + 7) / 8));
        for (int r = 0; r < ph; ++r) {
            int y = rs + r * rstep;
            int res = png_read_line(png_);
            if (res < 0) throw EPixPNG("Read Image (PNG): Read Error");
            if (res > 0) throw EPixPNG("Read Image (PNG): Unexpected End of Data");
            if (!workPassword_.empty() && OnDecode) {
                png_.PrevRow = png_.CurRow;
                OnDecode(this, png_.CurRow.data() + 1, png_.RowLength - 1, y, workPassword_);
                PlaceRow(interlace_ ? p : -1, y, pw);
            } else {
                PlaceRow(interlace_ ? p : -1, y, pw);
                png_.SwapRows();
            }
            DoCallBack(++rowsDone);
        }
    }
    Set(pcIDAT);
    ZLIBDecodeFlush(png_);
    ZLIBDecodeFinish(png_);
}

void TPixPNGReadStream::ConvertPAlpha() {
    if (AlphaBitmap->Width() != Width || AlphaBitmap->Height() != Height || BitCount > 8) return;
    for (int y = 0; y < Height; ++y) {
        const uint8_t* line = Bitmap_->ScanLine(y);
        uint8_t* a = AlphaBitmap->ScanLine(y);
        for (int x = 0; x < Width; ++x)
            a[x] = static_cast<uint8_t>(255 - paletteAlpha_[GetPixelIndex(line, x, BitCount)]);
    }
}
