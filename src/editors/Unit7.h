// The mark font window: colour and size (millimetres of cell height) of the corner mark's font.
#pragma once

#include "winlib/ExtCtrls.h"
#include "winlib/Forms.h"
#include "winlib/StdCtrls.h"

class TForm7 : public TForm {
  public:
    explicit TForm7(TComponent* Owner);

    TColorListBox* ColorListBox1;
    TLabel* Label1;
    TEdit* Edit1;
    TButton* Button1;
    TButton* Button2;

    void FormShow(TObject* Sender);
    void Button1Click(TObject* Sender);
    void Button2Click(TObject* Sender);
};

extern TForm7* Form7;
