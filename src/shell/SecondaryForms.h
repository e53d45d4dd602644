// The secondary windows that the main window's creation order names. Their contents join
// as their features are built; until then they exist, hidden, from start to exit.
#pragma once

#include "winlib/Forms.h"

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
