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
class TMojiPanel : public TForm {
  public:
    explicit TMojiPanel(TComponent* Owner);
};
class TForm7 : public TForm {
  public:
    explicit TForm7(TComponent* Owner);
};
class TForm6 : public TForm {
  public:
    explicit TForm6(TComponent* Owner);
};
class TForm2 : public TForm {
  public:
    explicit TForm2(TComponent* Owner);
};

extern TMojiPanel* MojiPanel;
extern TForm7* Form7;
extern TForm6* Form6;
extern TForm2* Form2;
