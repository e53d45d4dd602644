// The PNG picture class: loads and saves PNG files and holds the decoded image, its alpha
// channel and the PNG attributes.
#pragma once

#include "image/Pixgfileobject.h"
#include "image/Pixpngtypes.h"

class TPixPNG : public TPixGraphicFileObject {
  public:
    TPixPNG();
    ~TPixPNG() override;

    void Assign(TPersistent* Source) override;
    void Draw(TCanvas* ACanvas, const TRect& R) override;
    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;
    void LoadFromClipboardFormat(uint16_t Format, uintptr_t Data, HPALETTE Palette) override;
    void SaveToClipboardFormat(uint16_t& Format, uintptr_t& Data, HPALETTE& Palette) override;
    void ReadData(TStream* Stream) override;
    void WriteData(TStream* Stream) override;

    // The application's bitmap to use instead of the inner image (not owned), or null.
    void SetImage(TBitmap* Image) { image_ = Image; }
    TBitmap* GetImage();
    const TBitmap* GetImage() const { return const_cast<TPixPNG*>(this)->GetImage(); }
    // The application's bitmap to use instead of the own alpha bitmap (not owned), or null.
    void SetABmp(TBitmap* Alpha) { alphaExt_ = Alpha; }
    TBitmap* GetAlphaBitmap() { return alphaExt_ ? alphaExt_ : &alpha_; }
    void AlphaBitmapAssignTo(TGraphic* Graphic);
    void FreeAlphaBitmap() { GetAlphaBitmap()->SetSize(0, 0); }

    void SetIDATSize(int Size);
    int IDATSize() const { return idatSize_; }
    void SetTransColor(TColor Color);
    TColor TransColor() const { return transColor_; }
    void SetTime(const TPNGTime& T) { time_ = T; }
    TPNGTime GetTime() const { return time_; }
    void SetChrm(const TPNGChromaticities& C) { chrm_ = C; }
    TPNGChromaticities GetChrm() const { return chrm_; }
    void SetGIFExt(const TPNGGIFExtension& G) { gifExt_ = G; }
    TPNGGIFExtension GetGIFEXt() const { return gifExt_; }

    TPixPNGCompressLevel CompressLevel = gplDefault;
    TPixPNGFilterType FilterType = gpfNone;
    TPixPNGInterlaceType Interlace = gptNone;
    bool GrayScale = false;
    bool AlphaChannel = false;
    int BitDepth = 0;
    TColor BGColor = -1;
    AnsiString Comment;
    double Gamma = 0;
    AnsiString Password;
    uint32_t SignificantBits = 0;
    uint8_t UnitSpecifier = gpuAspect;
    int PixelsPerUnitX = 0, PixelsPerUnitY = 0;
    bool SkipHeader128 = true;
    bool UseSystemTime = true;
    bool Use16BitFor555 = false;
    TPixPNGPasswordEvent OnPassword;
    TPixPNGDECodeEvent OnEncode;
    TPixPNGDECodeEvent OnDecode;

  protected:
    void AssignTo(TPersistent* Dest) override;
    bool GetEmpty() const override { return GetImage()->Empty(); }
    int GetWidth() const override { return GetImage()->Width(); }
    int GetHeight() const override { return GetImage()->Height(); }
    HPALETTE GetPalette() const override { return GetImage()->Palette(); }
    void SetPalette(HPALETTE P) override;
    bool GetTransparent() const override { return TGraphic::GetTransparent(); }
    void SetTransparent(bool T) override;
    void SetWidthImpl(int W) override;
    void SetHeightImpl(int H) override;

  private:
    TBitmap* InnerImage();
    void LoadInto(TBitmap* Target, TStream* Stream);
    void SaveFrom(TBitmap* Source, TStream* Stream);
    // Takes over the transparency of Graphic (the transparent-state refresh).
    void SetTransFlag(TGraphic* Graphic);

    TBitmap alpha_;
    TBitmap* image_ = nullptr;
    TBitmap* alphaExt_ = nullptr;
    int idatSize_ = 32768;
    TColor transColor_ = -1;
    TPNGTime time_;
    TPNGChromaticities chrm_;
    TPNGGIFExtension gifExt_;
    bool refreshing_ = false;
};

// Registers TPixPNG with the picture class for ".png" files, and removes it again.
void PixpngInitialization();
void PixpngFinalization();
