// The secondary windows that the main window's creation order names. Their contents join
// as their features are built; until then they exist, hidden, from start to exit. The mark font
// window (Form7) and the download window (Form6) live in their own units, included here.
#pragma once

#include "editors/Unit6.h"
#include "editors/Unit7.h"
#include "winlib/Forms.h"

class TMojiPanel : public TForm {
  public:
    explicit TMojiPanel(TComponent* Owner);
};
class TForm2 : public TForm {
  public:
    explicit TForm2(TComponent* Owner);
};
class TAboutBox : public TForm {
  public:
    explicit TAboutBox(TComponent* Owner);
};

extern TMojiPanel* MojiPanel;
extern TForm2* Form2;
extern TAboutBox* AboutBox;
