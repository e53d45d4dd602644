// The paper renderers. Every element of a page has a print renderer (the printer's canvas,
// during a print job) and a preview renderer (the preview bitmap, during a preview rebuild);
// both read their settings from the main window Form1 at each call. The conventions they
// share are in RenderConventions.h.
#pragma once

#include "winlib/Classes.h"

#include <vector>

class TListBox;
class TTextItemFonts;

// Graph paper (paper kind 0). The preview shows "GraphiPaperの例外" for any error of its body
// and keeps what it drew; the print renderer lets errors reach the print command.
void PrintGraphPaper();
void PreviewGraphPaper();

// Log paper (paper kind 1): Type 0 semi-log (Y logarithmic), 1 log-log; MinX and MinY are the
// smallest intervals in millimetres and Ratio the growth factor of the intervals. Group counts,
// growth mode, constant and reverse options are read from the main window.
void PrintLogPaper(int Type, float MinX, float MinY, float Ratio);
void PreviewLogPaper(int Type, float MinX, float MinY, float Ratio);

// Multi-line paper (paper kind 3), with group and per-line emphasis. A pitch, gap or thickness
// that is not a number raises before anything is drawn.
void PrintMultiLine();
void PreviewMultiLine();

// Background picture: BGBitmap blended with opacity Alpha (0 to 255) over the paper colour
// (preview) or white (print), stretched into BGLeft, BGTop, BGWidth, BGHeight in millimetres,
// from the content origin or, when BGImageCheckBox1 ignores the margins, from the paper's
// corner (in print too, whatever the printer's border). Called only when BGImage is not empty.
void PrintBackgroundImage(int Alpha);
void PreviewBackgroundImage(int Alpha);

// Free-text page (paper kind 7): text i of Items in Fonts.Font(i) (its size a height in millimetres)
// at Positions[i] (whole millimetres) from the paper's corner, in print and preview alike. A font
// or position missing for a text raises EListError there; the items before it stay drawn.
void PrintTextItems(const TListBox* Items, const TTextItemFonts& Fonts, const std::vector<TPoint>& Positions);
void PreviewTextItems(const TListBox* Items, const TTextItemFonts& Fonts,
                      const std::vector<TPoint>& Positions);
// Dot grid (paper kind 5): Edit14 x Edit15 dots at the pitch Edit18, filled or hollow
// (CheckBox4, outline width Edit19), odd rows shifted half a pitch when staggered (CheckBox5).
// The preview shows dots at least two pixels across; print draws them at their true size.
void PrintGrid();
void PreviewGrid();

// Arc paper (paper kind 6): circles Diameter mm across tiled Edit37 x Edit38, each with Rings
// concentric rings and Divisions radial lines from the base angle ComboBoxCardinalPoint. The
// styles are line-type indexes; one outside 0 to 4 keeps the pen style the canvas has.
void PrintArc(float Diameter, int Divisions, int Rings, int CircleStyle, int DivisionStyle);
void PreviewArc(float Diameter, int Divisions, int Rings, int CircleStyle, int DivisionStyle);

// Manuscript paper (paper kind 2): square cells in rows with strips between them, a fold band
// with a text and two bars, and a heavier frame. An explicit cell size that is not a number
// raises before anything is drawn; a column count below 1 or a row count below 0 draws nothing.
void PrintManuscriptPaper();
void PreviewManuscriptPaper();

// Slanted paper (paper kind 4): a lattice of equilateral triangles in bands across the page, or
// down it with the orientation option.
void PrintSlantPaper();
void PreviewSlantPaper();

// Page number and corner mark, at the edges of the printable area whatever the margins. The
// page number (on when Enabled) reads "- Page n / total -"; the preview always shows page 1 of
// 1. The mark is TntEdit1's text in corner 1 top-left, 2 top-right, 3 bottom-left or
// 4 bottom-right; any other corner draws nothing.
void PrintPageNumber(bool Enabled);
void PreviewPageNumber(bool Enabled);
void PrintMark(int Corner);
void PreviewMark(int Corner);

// The frame, drawn last when Enabled: type 1 notebook header, 2 ruler scales, 3 name plate;
// any other type draws nothing.
void PrintHeader(bool Enabled, int FrameType);
void PreviewHeader(bool Enabled, int FrameType);
