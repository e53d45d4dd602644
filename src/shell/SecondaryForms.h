// The secondary windows that the main window's creation order names. Their contents join
// as their features are built; until then they exist, hidden, from start to exit.
#pragma once

#include "editors/Unit2.h"
#include "editors/Unit8.h"
#include "winlib/Forms.h"

class TForm7 : public TForm {
  public:
    explicit TForm7(TComponent* Owner);
};
class TForm6 : public TForm {
  public:
    explicit TForm6(TComponent* Owner);
};
class TAboutBox : public TForm {
  public:
    explicit TAboutBox(TComponent* Owner);
};

extern TForm7* Form7;
extern TForm6* Form6;
extern TAboutBox* AboutBox;
