// A graphic object that owns an inner graphic and forwards to it; its form-file storage is PNG.
#pragma once

#include "winlib/Graphics.h"

class TPixGraphicFileObject : public TGraphic {
  public:
    TPixGraphicFileObject() = default;
    ~TPixGraphicFileObject() override;
    TPixGraphicFileObject(const TPixGraphicFileObject&) = delete;
    TPixGraphicFileObject& operator=(const TPixGraphicFileObject&) = delete;

    TGraphic* Graphic() const { return graphic_; }
    // Releases the previous inner graphic and takes ownership of the new one.
    void SetGraphic(TGraphic* G);
    // Detaches the inner graphic without releasing it; the caller owns it.
    virtual TGraphic* ReleaseGraphic();

    void Assign(TPersistent* Source) override;
    void Draw(TCanvas* ACanvas, const TRect& R) override;
    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override;
    void LoadFromClipboardFormat(uint16_t Format, uintptr_t Data, HPALETTE Palette) override;
    void SaveToClipboardFormat(uint16_t& Format, uintptr_t& Data, HPALETTE& Palette) override;

    // The protected graphic operations, reachable for the forwarding between objects.
    void ReadData(TStream* Stream) override;
    void WriteData(TStream* Stream) override;

  protected:
    void AssignTo(TPersistent* Dest) override;
    bool GetEmpty() const override { return !graphic_ || graphic_->Empty(); }
    int GetWidth() const override { return graphic_ ? graphic_->Width() : 0; }
    int GetHeight() const override { return graphic_ ? graphic_->Height() : 0; }
    HPALETTE GetPalette() const override { return graphic_ ? graphic_->Palette() : 0; }
    void SetPalette(HPALETTE P) override;
    bool GetTransparent() const override {
        return graphic_ ? graphic_->Transparent() : TGraphic::GetTransparent();
    }
    void SetTransparent(bool T) override;
    void SetWidthImpl(int W) override;
    void SetHeightImpl(int H) override;

  private:
    TGraphic* graphic_ = nullptr;
};
