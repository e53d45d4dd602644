// Internal to the layer: what the common controls (up-downs, track bars, page controls, tool
// bars, status bars) ask of the toolkit, and what the toolkit reports back.
//
// Each control keeps its properties and the rules of its events; the calls in namespace ws do
// the window work, and the calls in namespace wsevents are the user's actions and the paints of
// owner-drawn parts, which run the control's handlers.
#pragma once

#include "winlib/ComCtrls.h"
#include "winlib/widgetset/WSControls.h"

#include <memory>

namespace ws {
// Two stacked arrow halves, reported by UpDownClicked.
std::unique_ptr<TWSControl> CreateUpDown(TUpDown* UpDown);

std::unique_ptr<TWSControl> CreateTrackBar(TTrackBar* TrackBar);
// The slider shows the bar's Min, Max, Position, PageSize and LineSize; it reports nothing.
void TrackBarShowRange(TTrackBar* TrackBar);
void TrackBarSetFrequency(TTrackBar* TrackBar, int Frequency);
void TrackBarSetTickMarks(TTrackBar* TrackBar, TTickMark TickMarks);
void TrackBarSetOrientation(TTrackBar* TrackBar, TTrackBarOrientation Orientation);

std::unique_ptr<TWSControl> CreateTabSheet(TTabSheet* Sheet);
std::unique_ptr<TWSControl> CreatePageControl(TPageControl* Pages);
// The tab row follows the pages: the last page was added, page Index was removed, or its
// caption or tab visibility changed. None of these reports a choice of page.
void PageControlTabAdded(TPageControl* Pages);
void PageControlTabRemoved(TPageControl* Pages, int Index);
void PageControlTabCaptionChanged(TPageControl* Pages, int Index);
void PageControlTabVisibleChanged(TPageControl* Pages, int Index);
// The current tab follows ActivePageIndex (when that page has a visible tab).
void PageControlShowActivePage(TPageControl* Pages);
void PageControlTabPositionChanged(TPageControl* Pages);
void PageControlRedrawTabs(TPageControl* Pages);
TCanvas* PageControlCanvas(TPageControl* Pages);

std::unique_ptr<TWSControl> CreateToolButton(TToolButton* Button);
void ToolButtonSetDown(TToolButton* Button, bool Down);
std::unique_ptr<TWSControl> CreateToolBar(TToolBar* Bar);
// Places the bar's controls in a row (and sizes the bar with AutoSize).
void ToolBarLayout(TToolBar* Bar);
// The bar is being destroyed: its controls leave it without being laid out again.
void ToolBarStopLayout(TToolBar* Bar);
// Replaces the buttons made for the previous menu by captioned buttons for the top-level items
// of Menu (none when null), which follow their items and open their sub-menus.
void ToolBarShowMenu(TToolBar* Bar, TMainMenu* Menu);
TCanvas* ToolBarCanvas(TToolBar* Bar);

std::unique_ptr<TWSControl> CreateStatusBar(TStatusBar* Bar);
// The panels, their texts and widths or the simple text changed: the bar paints them anew.
void StatusBarRedraw(TStatusBar* Bar);
TCanvas* StatusBarCanvas(TStatusBar* Bar);
} // namespace ws

namespace wsevents {
void UpDownClicked(TUpDown* UpDown, TUDBtnType Button);
// The user moved the slider to Position.
void TrackBarMoved(TTrackBar* TrackBar, int Position);
// The user chose page Index by its tab (the one already shown changes nothing).
void PageTabChosen(TPageControl* Pages, int Index);
// An owner-drawn tab is painted: TabIndex counts the tabs shown. The page control's canvas
// draws on the tab row's paint in progress.
void DrawTab(TPageControl* Pages, int TabIndex, const TRect& Rect, bool Active);
void ToolButtonClicked(TToolButton* Button);
// The bar's background is painted; returns false when OnCustomDraw took over the drawing.
bool ToolBarCustomDraw(TToolBar* Bar, const TRect& Rect);
// A button of the bar is painted, on the bar's canvas; returns false when OnCustomDrawButton
// took over the drawing of its face.
bool ToolButtonCustomDraw(TToolBar* Bar, TToolButton* Button, TCustomDrawState State);
// An owner-drawn panel is painted within Rect on the bar's canvas.
void StatusBarDrawPanel(TStatusBar* Bar, TStatusPanel* Panel, const TRect& Rect);
} // namespace wsevents
