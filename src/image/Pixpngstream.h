// PNG reader and writer over the codec's buffered byte streams.
#pragma once

#include "image/Pixpngtypes.h"
#include "image/Pixpngrows.h"
#include "image/Pixstream.h"
#include "image/Pixzlib.h"
#include "winlib/PictureReducer.h"

#include <memory>

// Largest picture the reader accepts, in pixels (each side must also fit the bitmap's int
// arithmetic). Lowered by the fuzz target to keep its runs fast.
int64_t PixPNGMaxPixels();
void SetPixPNGMaxPixels(int64_t Pixels);
constexpr int64_t PixPNGMaxSide = 1 << 24;

class TPixPNGReadStream : public TPixCustomGraphicReadStream {
  public:
    void ReadStream() override;
    void CreateDIB() override;

    // Options from the caller.
    bool Use16BitFor555 = false;
    bool CheckSignature = true;
    AnsiString Password;
    TPixPNGPasswordEvent OnPassword;
    TPixPNGDECodeEvent OnDecode;
    // Places for optional chunk contents; each is written only when given.
    TPNGTime* TimePlace = nullptr;
    TPNGChromaticities* ChrmPlace = nullptr;
    TPNGGIFExtension* GIFExtPlace = nullptr;
    TPixPNGLayerData* LayerPlace = nullptr;
    TBitmap* AlphaBitmap = nullptr;
    // A picture beyond the limit is reduced while it is read, into a 32-bit bitmap; it then
    // keeps no transparency and fills no alpha bitmap.
    TPictureLimit Limit;

    // Results of the read.
    bool AlphaChannel() const { return alpha_; }
    bool GrayScale() const { return grey_; }
    int BitDepth() const { return reportedDepth_; }
    int Interlace() const { return interlace_; }
    TColor BGColor() const { return bgColor_; }
    TColor TransColor() const { return transColor_; }
    const AnsiString& GetComment() const { return Comment; }
    double Gamma() const { return gamma_; }
    uint32_t SignificantBits() const { return sbit_; }
    uint8_t UnitSpecifier() const { return unit_; }
    int PixelsPerUnitX() const { return ppuX_; }
    int PixelsPerUnitY() const { return ppuY_; }

  private:
    void Reset();
    void ReadChunk();
    uint8_t C1();
    uint16_t CM16();
    uint32_t CM32();
    void CBytes(void* Dest, int64_t n);
    void ReadHeader();
    void ReadPalette();
    void ReadTransColor();
    void ReadBGColor();
    void ReadChrm();
    void ReadGamma();
    void ReadAspectData();
    void ReadsBIT();
    void ReadText();
    void ReadTime();
    void ReadGIFExt();
    void ReadPixData();
    void ReadImage();
    void CheckImageFormat();
    int RefillIDAT(TPixZLIBInfo& Info);
    void PlaceRow(int Pass, int Row, int Count);
    void ConvertPAlpha();
    TColor GreyColor(uint16_t Sample) const;
    bool Has(TPixPNGChunkFlag f) const { return flags_ & (1 << f); }
    void Set(TPixPNGChunkFlag f) { flags_ = static_cast<TPixPNGChunk>(flags_ | (1 << f)); }

    int32_t remaining_ = 0;
    uint32_t chunkType_ = 0;
    TPixPNGChunk flags_ = 0;
    uint32_t width_ = 0, height_ = 0;
    int depth_ = 0, reportedDepth_ = 0, colorKind_ = 0, interlace_ = 0;
    bool alpha_ = false, grey_ = false, greyPalette_ = false, paletteAlphaRead_ = false;
    bool usePaletteAlpha_ = false, alphaRows_ = false;
    uint8_t paletteAlpha_[256];
    TColor transColor_ = -1, bgColor_ = -1;
    double gamma_ = 0;
    uint32_t sbit_ = 0;
    uint8_t unit_ = 0;
    int ppuX_ = 0, ppuY_ = 0;
    AnsiString workPassword_;
    TPixPNGInfo png_;
    TPixRowConverter converter_ = nullptr;
    int pngBits_ = 0;
    std::vector<uint8_t> pixRow_, alphaRow_;
    std::unique_ptr<TPictureReducer> reducer_;
    std::vector<TRGBQuad> reducerTable_;
};

class TPixPNGWriteStream : public TPixCustomGraphicWriteStream {
  public:
    TPixPNGWriteStream();
    void WriteStream() override;
    void SetIDATSize(int Size);
    int IDATSize() const { return idatSize_; }
    void WriteChunk(uint32_t Type, const uint8_t* Data, int Length);

    bool WriteSignature = true;
    uint8_t CompressLevel = gplDefault;
    uint8_t FilterType = gpfNone;
    int Interlace = gptNone;
    bool GrayScale = false;
    TColor BGColor = -1, TransColor = -1;
    AnsiString Comment;
    double Gamma = 0;
    uint32_t SignificantBits = 0;
    uint8_t UnitSpecifier = gpuAspect;
    int PixelsPerUnitX = 0, PixelsPerUnitY = 0;
    bool UseSystemTime = true;
    TPNGTime* TimePlace = nullptr;
    TPNGChromaticities* ChrmPlace = nullptr;
    TPNGGIFExtension* GIFExtPlace = nullptr;
    TPixPNGLayerData* LayerPlace = nullptr;
    AnsiString Password;
    TPixPNGDECodeEvent OnEncode;
    TBitmap* AlphaBitmap = nullptr;

  private:
    void Prepare();
    void WriteHeader();
    void WriteTime();
    void WriteText(const AnsiString& Keyword, const AnsiString& Text);
    void WritePixData();
    void WriteColorChunks();
    void WriteImage();
    void SetGrayScalePaletteIndex();
    void GetLinePixels(const uint8_t* Line, const uint8_t* Alpha, uint8_t* Out, int Start, int Step,
                       int Count);
    uint16_t GreyOf(TColor c) const;

    int idatSize_ = 32768;
    int srcBits_ = 0, sampleBits_ = 0, depth_ = 0, colorType_ = 0, pngBits_ = 0;
    bool hasAlpha_ = false, greyPalette_ = false, encoded_ = false;
    std::vector<TRGBQuad> table_;
    uint8_t greyIndex_[256] = {};
    TPixPNGInfo png_;
};

// Packs a big-endian number into Out.
inline void PutM32(uint8_t* Out, uint32_t v) {
    Out[0] = uint8_t(v >> 24), Out[1] = uint8_t(v >> 16), Out[2] = uint8_t(v >> 8), Out[3] = uint8_t(v);
}
inline void PutM16(uint8_t* Out, uint16_t v) {
    Out[0] = uint8_t(v >> 8), Out[1] = uint8_t(v);
}
