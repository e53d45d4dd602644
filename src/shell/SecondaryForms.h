// The secondary windows that the main window's creation order names. The mark font window
// (Form7), the download window (Form6), the slide input (Form2) and the text-item window
// (MojiPanel) live in their own units, included here; the About box joins with its feature.
#pragma once

#include "editors/Unit2.h"
#include "editors/Unit6.h"
#include "editors/Unit7.h"
#include "editors/Unit8.h"
#include "winlib/Forms.h"

class TAboutBox : public TForm {
  public:
    explicit TAboutBox(TComponent* Owner);
};

extern TAboutBox* AboutBox;
