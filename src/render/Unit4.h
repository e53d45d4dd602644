// The paper renderers. Every element of a page has a print renderer (the printer's canvas,
// during a print job) and a preview renderer (the preview bitmap, during a preview rebuild);
// both read their settings from the main window Form1 at each call. The conventions they
// share are in RenderConventions.h.
#pragma once

// Graph paper (paper kind 0). The preview shows "GraphiPaperの例外" for any error of its body
// and keeps what it drew; the print renderer lets errors reach the print command.
void PrintGraphPaper();
void PreviewGraphPaper();

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
