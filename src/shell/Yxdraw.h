// The colour scheme of the main window: the scheme's colours and the gradient painting it
// installs on the tool bars and the control bar.
#pragma once

#include "winlib/ComCtrls.h"
#include "winlib/ExtCtrls.h"

// Splits a colour written as hexadecimal (at least six digits) into its first three digit pairs:
// blue, green, red. A system colour has eight digits, so its high byte lands in blue.
void SplitColor(TColor Color, int& Red, int& Green, int& Blue);

// The focus frame: three one-pixel rings at 1, 2 and 3 pixels outside the control, on its
// parent's surface, kept there until it is taken off. DrawFocusFrame draws every ring in the
// frame colour's red alone; DrawFocusFrameEx draws ring i in the frame colour with each channel
// divided by i, so the frame darkens outward. Taking the frame off lets the parent show its own
// background there again and repaints the control.
void DrawFocusFrame(TControl* Control, bool On, TColor FrameColor);
void DrawFocusFrameEx(TControl* Control, bool On, TColor FrameColor);

class YxDraw {
  public:
    YxDraw();

    TColor BaseColor;  // gradient start; also the focus-frame colour
    TColor LightColor; // gradient end
    TColor MidColor;   // panels, control bar, settings scroll box, menus
    TColor TextColor;  // font colour of the tool bars
    int SchemeId = 0;  // gradients and owner-drawn menus are on when not 0

    void SetScheme(int Id);
    void LoadColors(int Id);
    // Direction 0 draws horizontal lines from top to bottom, 1 vertical lines from left to right.
    void GradientLines(TCanvas* Canvas, int Direction, int Left, int Top, int Right, int Bottom);
    // The colour at position Pos of Extent along the gradient (the rule of GradientLines).
    TColor GradientColor(int Pos, int Extent) const;

    void PaintBar(TToolBar* Sender, const TRect& ARect, bool& DefaultDraw);
    void DrawHighlight(TToolBar* Sender, TToolButton* Button, TCustomDrawState State, bool& DefaultDraw);
    void CustomDrawBand(TObject* Sender, TControl* Control, TCanvas* Canvas, TRect& ARect, uint8_t& Options);
    void ColorControlBar(TObject* Sender);

    void ApplyToToolBar(TToolBar* Bar);
    void ApplyToControlBar(TControlBar* Bar);
    void ApplyToControl(TControl* Control);
};
