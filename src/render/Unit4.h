// The paper renderers. Every element of a page has a print renderer (the printer's canvas,
// during a print job) and a preview renderer (the preview bitmap, during a preview rebuild);
// both read their settings from the main window Form1 at each call. The conventions they
// share are in RenderConventions.h.
#pragma once

// Graph paper (paper kind 0). The preview shows "GraphiPaperの例外" for any error of its body
// and keeps what it drew; the print renderer lets errors reach the print command.
void PrintGraphPaper();
void PreviewGraphPaper();

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
