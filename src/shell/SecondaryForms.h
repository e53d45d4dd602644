// The secondary windows that the main window's creation order names, each in its own unit:
// the text-item window (MojiPanel), the mark font window (Form7), the download window (Form6),
// the slide input (Form2) and the About box.
#pragma once

#include "editors/Unit2.h"
#include "editors/Unit6.h"
#include "editors/Unit7.h"
#include "editors/Unit8.h"
#include "shell/AboutUnit.h"
