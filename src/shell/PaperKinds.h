// The paper kinds, indexed by the paper-kind index (the page of the paper tabs): 0 graph, 1 log,
// 2 manuscript, 3 multi-line, 4 slant, 5 grid, 6 arc, 7 text items. Each kind has a print
// renderer and a preview renderer; both read their settings from the main window.
#pragma once

// Draws the pattern of paper kind Index on the printer's canvas. Returns true when the sheet
// counts towards the kind's print count: the text items print but are not counted, and an index
// that is no paper kind draws nothing and is not counted.
bool DrawPrintPattern(int Index);

// Draws the pattern of paper kind Index into the preview bitmap; an index that is no paper kind
// draws nothing.
void DrawPreviewPattern(int Index);
