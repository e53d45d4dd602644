// The paper renderers. Every element of a page has a print renderer (the printer's canvas,
// during a print job) and a preview renderer (the preview bitmap, during a preview rebuild);
// both read their settings from the main window Form1 at each call. The conventions they
// share are in RenderConventions.h.
#pragma once

// Graph paper (paper kind 0). The preview shows "GraphiPaperの例外" for any error of its body
// and keeps what it drew; the print renderer lets errors reach the print command.
void PrintGraphPaper();
void PreviewGraphPaper();

// Manuscript paper (paper kind 2): square cells in rows with strips between them, a fold band
// with a text and two bars, and a heavier frame. An explicit cell size that is not a number
// raises before anything is drawn; a column count below 1 or a row count below 0 draws nothing.
void PrintManuscriptPaper();
void PreviewManuscriptPaper();

// Slanted paper (paper kind 4): a lattice of equilateral triangles in bands across the page, or
// down it with the orientation option.
void PrintSlantPaper();
void PreviewSlantPaper();
