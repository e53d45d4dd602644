// The background tab: choosing and clearing the picture, its size, position and opacity, the
// fit buttons, and the quarter turn and mirror applied to the picture's pixels.
#include "NumberText.h"
#include "PictureFault.h"
#include "render/RenderConventions.h"
#include "shell/Abitmap.h"
#include "shell/BackgroundPicture.h"
#include "shell/BusyCursor.h"
#include "shell/Buinpicfilters.h"
#include "shell/SettingLimits.h"
#include "shell/Unit1.h"
#include "shell/Yxfile.h"

#include <cmath>

namespace {
constexpr int kDocumentsFolder = 8;

// The edit's size or offset in millimetres, or Fallback when its text is not a number or puts
// the picture beyond its reach.
double LengthOr(TForm1* f, TEdit* e, double Fallback) {
    double v;
    return TryStrToFloat(e->Text(), v) && std::fabs(v) <= PictureReachMm(f) ? v : Fallback;
}

// A margin edit in preview pixels: whole millimetres first, then the scale. Raises on a text
// that is not a number.
int MarginPixels(TEdit* e, float Scale) {
    return ToPixel(std::trunc(StrToFloat(e->Text())) * static_cast<double>(Scale));
}
} // namespace

void TForm1::Button6Click(TObject*) {
    if (OpenPictureDialog1->InitialDir().empty())
        OpenPictureDialog1->SetInitialDir(GetSpecialFolder(kDocumentsFolder));
    if (!OpenPictureDialog1->Execute()) return;
    const AnsiString file = OpenPictureDialog1->FileName();
    // A picture that cannot be read whole is refused: the user is told why, and the picture and
    // its name stay as they were. A new picture starts unturned: the stored turns belonged to the
    // one before.
    try {
        LoadBackgroundPicture(file, BGBitmap, /*Guarded=*/false);
    } catch (const std::exception& e) {
        ShowMessage("画像を読み込めませんでした。\n" + file + "\n" + PictureFaultText(e));
        return;
    }
    BGRoted = 0;
    Edit23->SetText(file);
    BGImage = Edit23->Text();
    Edit1Change(Edit23);
    OnChenge(this);
}

void TForm1::Button9Click(TObject*) {
    // The bitmap keeps its pixels: the fit buttons still read its size.
    BGImage = "";
    Edit23->SetText("");
    OnChenge(this);
}

void TForm1::TrackBar1Change(TObject*) {
    BGAlpha = TrackBar1->Position();
    OnChenge(this);
}

void TForm1::Button5Click(TObject*) {
    // Turning a picture of tens of millions of pixels takes a moment.
    const TBusyCursor busy;
    TBuinPicFilters filters;
    filters.Rotate90Right(BGBitmap);
    BGRoted = BGRoted >= 3 ? 0 : BGRoted + 1;
    OnChenge(this);
}

void TForm1::Button4Click(TObject*) {
    const TBusyCursor busy;
    TBuinPicFilters filters;
    filters.RotateMirror(BGBitmap);
    OnChenge(this);
}

void TForm1::Edit21Change(TObject*) {
    BGWidth = LengthOr(this, Edit21, 100.0);
    UpdatePreview();
}

void TForm1::Edit22Change(TObject*) {
    BGHeight = LengthOr(this, Edit22, 100.0);
    UpdatePreview();
}

void TForm1::Edit39Change(TObject*) {
    BGLeft = LengthOr(this, Edit39, 0.0);
    UpdatePreview();
}

void TForm1::Edit40Change(TObject*) {
    BGTop = LengthOr(this, Edit40, 0.0);
    UpdatePreview();
}

// The ratio step of the fit buttons. BGBitmap is held in its displayed orientation and drawn
// stretched into BGWidth x BGHeight, so its own sides give the proportion whatever BGRoted
// says. With no picture loaded there is no proportion to keep and the other edit stays.
void TForm1::Button11Click(TObject*) {
    const float s = PreviewScaleSingle(this);
    const int left = MarginPixels(eSpaceL, s), right = MarginPixels(eSpaceR, s);
    const double margins = BGImageCheckBox1->Checked() ? 0.0 : static_cast<double>(left) + right;
    const double w = (PreviewBitmap->Width() - margins - BGLeft * s) / s;
    Edit21->SetText(FullText(w));
    if (BGImageCheckBox2->Checked() && !BGBitmap->Empty()) {
        const double fitted = StrToFloat(Edit21->Text());
        Edit22->SetText(FullText(fitted * (static_cast<double>(BGBitmap->Height()) / BGBitmap->Width())));
    }
}

void TForm1::Button12Click(TObject*) {
    const float s = PreviewScaleSingle(this);
    const int top = MarginPixels(eSpaceT, s), bottom = MarginPixels(eSpaceB, s);
    const double margins = BGImageCheckBox1->Checked() ? 0.0 : static_cast<double>(top) + bottom;
    const double h = (PreviewBitmap->Height() - margins - BGTop * s) / s;
    Edit22->SetText(FullText(h));
    if (BGImageCheckBox2->Checked() && !BGBitmap->Empty()) {
        const double fitted = StrToFloat(Edit22->Text());
        Edit21->SetText(FullText(fitted * (static_cast<double>(BGBitmap->Width()) / BGBitmap->Height())));
    }
}
