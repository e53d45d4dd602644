#include "Graphics.h"
#include "SysUtils.h"
void TPicture::RegisterFileFormat(const AnsiString&, const AnsiString&, TGraphicFactory) {}
void TPicture::UnregisterFileFormat(const AnsiString&) {}
TPicture::~TPicture() { delete graphic_; }
void TPicture::LoadFromFile(const AnsiString&) { throw EInvalidGraphic("x"); }
void TPicture::SetGraphic(TGraphic* g) { if (g != graphic_) { delete graphic_; graphic_ = g; } }
TBitmap* TPicture::Bitmap() { return dynamic_cast<TBitmap*>(graphic_); }
TJPEGImage::TJPEGImage() = default;
TJPEGImage::~TJPEGImage() = default;
void TJPEGImage::LoadFromStream(TStream*) { throw EJPEG("x"); }
void TJPEGImage::SaveToStream(TStream*) { throw EInvalidGraphicOperation("x"); }
void TJPEGImage::Draw(TCanvas* c, const TRect& r) { bitmap_.Draw(c, r); }
void TJPEGImage::Assign(TPersistent* s) { TGraphic::Assign(s); }
void TJPEGImage::AssignTo(TPersistent* d) { TGraphic::AssignTo(d); }
