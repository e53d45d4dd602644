// The background picture: BGBitmap blended with a constant opacity over a plain ground and
// stretched (nearest neighbour, no aspect correction) into its rectangle in millimetres. Print
// blends at the picture's own resolution over white; the preview keeps a copy already stretched
// to its rectangle and blended over the paper colour, made again only when it has to be.
#include "render/Unit4.h"

#include "render/BackgroundPreview.h"
#include "render/BackgroundPrint.h"
#include "render/RenderConventions.h"
#include "shell/Abitmap.h"
#include "shell/Unit1.h"

#include <algorithm>
#include <memory>

namespace {
// The picture blended over Ground into Blended; the blend walks the picture once at memory
// speed, and only the stretch that follows adapts it to the page.
void BlendOverGround(TABitmap* picture, TColor ground, int opacity, TABitmap& blended) {
    picture->Do32();
    blended.SetSize(picture->Width(), picture->Height());
    blended.Do32();
    const TColor rgb = ColorToRGB(ground);
    blended.FillBMP(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
    // An opacity outside 0..255 (a hand-edited settings file) is held to that range instead of
    // wrapping around in the blend's 16-bit argument.
    const auto a = static_cast<uint16_t>(std::clamp(opacity, 0, 255));
    picture->ColorAlpha(0, 0, picture->Width(), picture->Height(), 0, 0, &blended, a);
}

// Print: the picture's rectangle from the pixel origin X0, Y0 (the content origin, or the
// paper's corner when the margins are ignored); the offset is scaled, then the origin added.
TRect PrintRect(const TForm1* f, double x0, double y0, double sx, double sy) {
    return TRect(ToPixel(f->BGLeft * sx + x0), ToPixel(y0 + f->BGTop * sy),
                 ToPixel((f->BGLeft + f->BGWidth) * sx + x0), ToPixel(y0 + (f->BGTop + f->BGHeight) * sy));
}
// Preview: the picture's rectangle from the millimetre origin X0, Y0 (margin plus frame inset,
// or the paper's corner when the margins are ignored); millimetres are summed, then scaled.
TRect PreviewRect(const TForm1* f, double x0, double y0, double s) {
    return TRect(ToPixel((x0 + f->BGLeft) * s), ToPixel((y0 + f->BGTop) * s),
                 ToPixel((x0 + f->BGLeft + f->BGWidth) * s), ToPixel((y0 + f->BGTop + f->BGHeight) * s));
}
} // namespace

TABitmap* TPrintBackground::Get(TABitmap& Picture, int Opacity) {
    Picture.Do32();
    const Key k{Picture.Revision(), std::clamp(Opacity, 0, 255)};
    if (key_ != k) {
        BlendOverGround(&Picture, clWhite, k.opacity, blended_);
        ++blends_;
        key_ = Key{Picture.Revision(), k.opacity};
    }
    return &blended_;
}

void PrintBackgroundImage(int Alpha) {
    TForm1* f = Form1;
    const TPageSurface page = PrintSurface(f);
    // Within a job, the job's copy; outside one (a renderer called on its own), a copy for this call.
    std::unique_ptr<TPrintBackground> own;
    TPrintBackground* copy = f->BGPrintBlend.get();
    if (!copy) copy = (own = std::make_unique<TPrintBackground>()).get();
    TABitmap* blended = copy->Get(*f->BGBitmap, Alpha);
    // Ignoring the margins measures the offset from the paper's corner, as in the preview, not
    // from the printable corner that the canvas starts at.
    const bool fromCorner = f->BGImageCheckBox1->Checked();
    const TRect r = PrintRect(f, fromCorner ? page.PaperLeft : page.Left,
                              fromCorner ? page.PaperTop : page.Top, page.ScaleX, page.ScaleY);
    page.Canvas->StretchDraw(r, blended); // an empty or inverted rectangle draws nothing
}

void PreviewBackgroundImage(int Alpha) {
    TForm1* f = Form1;
    f->PreviewBitmap->Do32();
    f->BGBitmap->Do32();
    // Ignoring the margins measures the offset from the bitmap's origin, the paper's corner.
    const bool fromCorner = f->BGImageCheckBox1->Checked();
    const TContentBands bands = ContentBandsMm(f);
    const double x0 = fromCorner ? 0.0 : bands.Left;
    const double y0 = fromCorner ? 0.0 : bands.Top;
    const TRect r = PreviewRect(f, x0, y0, PreviewScaleSingle(f));
    if (!f->BGPreview) f->BGPreview = std::make_unique<TBackgroundPreview>();
    TRect shown;
    TABitmap* copy =
        f->BGPreview->Get(*f->BGBitmap, r, TRect(0, 0, f->PreviewBitmap->Width(), f->PreviewBitmap->Height()),
                          f->Panel1->Color(), Alpha, shown);
    if (copy) f->PreviewBitmap->Canvas()->Draw(shown.Left, shown.Top, copy);
}
