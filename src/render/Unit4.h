// The paper renderers. Every element of a page has a print renderer (the printer's canvas,
// during a print job) and a preview renderer (the preview bitmap, during a preview rebuild);
// both read their settings from the main window Form1 at each call. The conventions they
// share are in RenderConventions.h.
#pragma once

// Graph paper (paper kind 0). The preview shows "GraphiPaperの例外" for any error of its body
// and keeps what it drew; the print renderer lets errors reach the print command.
void PrintGraphPaper();
void PreviewGraphPaper();
