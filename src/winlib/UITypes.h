// Kinds shared by the controls, the forms and the toolkit's reports of what the user did: mouse
// buttons, shift states and the states and styles of a window.
#pragma once

#include <cstdint>

enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum : uint8_t { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };
using TShiftState = uint8_t;

enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };

// The mouse cursor's shape over every window of the program.
using TCursor = int16_t;
constexpr TCursor crDefault = 0;
constexpr TCursor crHourGlass = -11;
