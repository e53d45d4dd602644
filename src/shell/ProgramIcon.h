// The program's icon, drawn at any size: a sheet of graph paper with a pencil on it. It is the
// icon of every window, the About box's picture and, as files, the icon of the installed program.
#pragma once

#include "winlib/Graphics.h"

// The colour of the icon's transparent pixels in the window icon and the icon files.
constexpr TColor kProgramIconMaskColor = clFuchsia;

// Makes the bitmap Size x Size pixels (24 bits) and draws the icon on the background colour.
void DrawProgramIcon(TBitmap* Bitmap, int Size, TColor Background = kProgramIconMaskColor);

// The sizes the windows' icon is given in; the icon files installed have the same sizes
// (CMakeLists.txt lists them for the build).
constexpr int kProgramIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// Makes the icon, in the sizes above, the icon of every window of the program.
void InstallProgramIcon();
