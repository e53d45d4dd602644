#include "image/Pixgfileobject.h"
#include "image/Pixpng.h"

TPixGraphicFileObject::~TPixGraphicFileObject() {
    delete graphic_;
}

void TPixGraphicFileObject::SetGraphic(TGraphic* G) {
    if (G != graphic_) {
        delete graphic_;
        graphic_ = G;
        if (graphic_) graphic_->OnChange = [this](TObject*) { Changed(this); };
    }
    Changed(this);
}

TGraphic* TPixGraphicFileObject::ReleaseGraphic() {
    TGraphic* g = graphic_;
    graphic_ = nullptr;
    if (g) {
        g->OnChange = nullptr;
        g->OnProgress = nullptr;
    }
    return g;
}

void TPixGraphicFileObject::Assign(TPersistent* Source) {
    if (!Source) {
        SetGraphic(nullptr);
        return;
    }
    if (auto* other = dynamic_cast<TPixGraphicFileObject*>(Source)) {
        if (!other->graphic_) {
            SetGraphic(nullptr);
            return;
        }
        if (!graphic_) SetGraphic(new TBitmap);
        graphic_->Assign(other->graphic_);
        return;
    }
    if (dynamic_cast<TGraphic*>(Source)) {
        if (!graphic_) SetGraphic(new TBitmap);
        graphic_->Assign(Source);
        return;
    }
    TGraphic::Assign(Source);
}

void TPixGraphicFileObject::AssignTo(TPersistent* Dest) {
    if (dynamic_cast<TGraphic*>(Dest)) {
        Dest->Assign(graphic_);
        return;
    }
    TGraphic::AssignTo(Dest);
}

void TPixGraphicFileObject::Draw(TCanvas* ACanvas, const TRect& R) {
    if (graphic_ && !graphic_->Empty()) ACanvas->StretchDraw(R, graphic_);
}

void TPixGraphicFileObject::LoadFromStream(TStream* Stream) {
    auto* b = new TBitmap;
    SetGraphic(b);
    b->LoadFromStream(Stream);
}

void TPixGraphicFileObject::SaveToStream(TStream* Stream) {
    if (graphic_) graphic_->SaveToStream(Stream);
}

void TPixGraphicFileObject::LoadFromClipboardFormat(uint16_t Format, uintptr_t Data, HPALETTE Palette) {
    if (graphic_) graphic_->LoadFromClipboardFormat(Format, Data, Palette);
}

void TPixGraphicFileObject::SaveToClipboardFormat(uint16_t& Format, uintptr_t& Data, HPALETTE& Palette) {
    if (graphic_) graphic_->SaveToClipboardFormat(Format, Data, Palette);
}

void TPixGraphicFileObject::ReadData(TStream* Stream) {
    auto* b = new TBitmap;
    try {
        TPixPNG png;
        png.SetImage(b);
        png.LoadFromStream(Stream);
        png.SetImage(nullptr);
    } catch (...) {
        delete b;
        throw;
    }
    SetGraphic(b);
}

void TPixGraphicFileObject::WriteData(TStream* Stream) {
    auto* b = dynamic_cast<TBitmap*>(graphic_);
    if (!b || b->Empty()) return;
    TPixPNG png;
    png.SetImage(b);
    png.CompressLevel = gplSpeed;
    png.SaveToStream(Stream);
    png.SetImage(nullptr);
}

void TPixGraphicFileObject::SetPalette(HPALETTE P) {
    if (graphic_) graphic_->SetPaletteHandle(P);
}

void TPixGraphicFileObject::SetTransparent(bool T) {
    if (graphic_) graphic_->SetTransparentFlag(T);
    TGraphic::SetTransparent(T);
}

void TPixGraphicFileObject::SetWidthImpl(int W) {
    if (graphic_) graphic_->SetWidth(W);
}

void TPixGraphicFileObject::SetHeightImpl(int H) {
    if (graphic_) graphic_->SetHeight(H);
}
