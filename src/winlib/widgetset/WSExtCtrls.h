// Internal to the layer: what panels, paint boxes, images, control bars, radio groups, scroll
// boxes, spin buttons and the colour list ask of the toolkit, and what the toolkit reports back.
//
// The calls in namespace ws do the window work; the calls in namespace wsevents are the user's
// actions and the paints, which run the control's handlers.
#pragma once

#include "winlib/ExtCtrls.h"
#include "winlib/widgetset/WSControls.h"

#include <map>
#include <memory>

// Where the program put each band of a control bar, and where the bar last placed it; kept with
// the bar's window, which lives until the bar's last band has left it.
struct TControlBarBands {
    std::map<const TControl*, int> wantedLeft, placedLeft;
    int arranging = 0;
};

namespace ws {
std::unique_ptr<TWSControl> CreatePanel(TPanel* Panel);
TCanvas* PanelCanvas(TPanel* Panel);

std::unique_ptr<TWSControl> CreatePaintBox(TPaintBox* Box);
TCanvas* PaintBoxCanvas(TPaintBox* Box);
// Paints the box now: on screen when it is shown, else only onto its canvas.
void PaintBoxPaintNow(TPaintBox* Box);

std::unique_ptr<TWSControl> CreateImage(TImage* Image);

std::unique_ptr<TWSControl> CreateControlBar(TControlBar* Bar);
TCanvas* ControlBarCanvas(TControlBar* Bar);

std::unique_ptr<TWSControl> CreateRadioGroup(TRadioGroup* Group);
// The buttons are made anew for the group's items.
void RadioGroupItemsChanged(TRadioGroup* Group);
// The buttons show ItemIndex (none checked for -1); nothing is reported.
void RadioGroupShowIndex(TRadioGroup* Group);
void RadioGroupColumnsChanged(TRadioGroup* Group);

std::unique_ptr<TWSControl> CreateScrollBox(TScrollBox* Box);
// Ranges and positions as (horizontal, vertical). A position is clamped to what can be scrolled.
TPoint ScrollBoxRange(const TScrollBox* Box);
TPoint ScrollBoxPosition(const TScrollBox* Box);
void ScrollBoxSetRange(TScrollBox* Box, TPoint Range);
void ScrollBoxSetPosition(TScrollBox* Box, TPoint Position);
// The ranges reach the right and bottom edges of the shown children.
void ScrollBoxFitRange(TScrollBox* Box);

std::unique_ptr<TWSControl> CreateSpinButton(TCSpinButton* Spin);

// A list showing the colours and names of ColorListBox's entries.
std::unique_ptr<TWSControl> CreateColorListBox(TColorListBox* List);
// The list shows ItemIndex as chosen; nothing is reported.
void ColorListShowIndex(TColorListBox* List);
} // namespace ws

namespace wsevents {
// The panel's own painting is done; OnPaint draws on its canvas.
void PanelPaint(TPanel* Panel);
// OnPaint draws on the box's canvas.
void PaintBoxPaint(TPaintBox* Box);
// The picture is drawn on Canvas, the image's own of a Width x Height area.
void ImagePaint(TImage* Image, TCanvas* Canvas, int Width, int Height);
// The bar's OnPaint runs on its canvas, over the bar's colour.
void ControlBarPaint(TControlBar* Bar);
// Band is painted: Rect is its frame, with the grabber at the left. Returns the parts the bar
// draws (ControlBarGrabber, ControlBarFrame) as OnBandPaint left them.
uint8_t ControlBarPaintBand(TControlBar* Bar, TControl* Band, TRect& Rect);
// A control was added to, removed from, moved or shown on the bar: the bands are arranged.
void ControlBarChildChanged(TControlBar* Bar, TControl* Child, TControlBarBands& Bands);
void RadioGroupClicked(TRadioGroup* Group, int Index);
void ScrollBoxWheel(TScrollBox* Box, TShiftState Shift, int WheelDelta, TPoint MousePos);
void SpinButtonClicked(TCSpinButton* Spin, bool Up);
// The user chose entry Row (-1: none).
void ColorListChosen(TColorListBox* List, int Row);
} // namespace wsevents

// What ControlBarPaintBand returns.
constexpr uint8_t ControlBarGrabber = 1, ControlBarFrame = 2;
