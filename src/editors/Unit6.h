// The paper-setting download window: created at start-up and kept, never shown.
#pragma once

#include "winlib/Forms.h"
#include "winlib/Menus.h"
#include "winlib/StdCtrls.h"

class TForm6 : public TForm {
  public:
    explicit TForm6(TComponent* Owner);

    TListBox* ListBox1;
    TComboBox* ComboBox1;
    TComboBox* ComboBox2;
    TButton* Button1;
    TButton* Button2;
    TButton* Button3;
    TPopupMenu* PopupMenu1;

    void ListBox1KeyPress(TObject* Sender, char& Key);
};

extern TForm6* Form6;
