// Internal to the Qt side of the layer: the toolkit's application object and the window that
// dialogs and message boxes belong to.
#pragma once

#include "winlib/Forms.h"
#include "winlib/widgetset/WSForms.h"

class QWidget;

namespace winlib {

// Makes sure a toolkit application exists so that windows and dialogs can be built. When the
// program has not initialised one, one is created with the program's arguments.
using ws::EnsureToolkit;

// The window dialogs and message boxes are centred on: the active window, else the main form's.
QWidget* DialogParent();

// The top-level widget of a form, or null.
QWidget* FormWidget(const TForm* f);

// The form whose top-level widget is w, or null.
TForm* FormOfWidget(const QWidget* w);

} // namespace winlib
