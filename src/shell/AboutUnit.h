// The version window: product name, version, the maker's notes, and two links (the home page
// and an update check). Created once at start, it is only shown and hidden afterwards.
#pragma once

#include "winlib/ExtCtrls.h"
#include "winlib/Forms.h"
#include "winlib/StdCtrls.h"

class TAboutBox : public TForm {
  public:
    explicit TAboutBox(TComponent* Owner);

    TPanel* Panel1;
    TImage* Image1;
    TImage* ProgramIcon;
    TLabel* ProductName;
    TLabel* Version;
    TLabel* Notice;
    TLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    TButton* OKButton;

    void OKButtonClick(TObject* Sender);
    void Label1MouseEnter(TObject* Sender);
    void Label1MouseLeave(TObject* Sender);
    void Label1Click(TObject* Sender);
    void Label6MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Label6MouseLeave(TObject* Sender);
    void Label6Click(TObject* Sender);
};

extern TAboutBox* AboutBox;
