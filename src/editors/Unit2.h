// The slide input: a small borderless window under a numeric edit of the main window whose
// track bar writes a value between a minimum and a maximum into that edit.
#pragma once

#include "winlib/ComCtrls.h"
#include "winlib/ExtCtrls.h"
#include "winlib/Forms.h"
#include "winlib/StdCtrls.h"

class TForm2 : public TForm {
  public:
    explicit TForm2(TComponent* Owner);

    TPanel* Panel1;
    TTrackBar* TrackBar1; // Tag 0 while it has the focus (moves reach the target), 1 otherwise
    TEdit* Edit1;         // minimum
    TEdit* Edit2;         // maximum
    TLabel* Label1;       // the value the position stands for

    // Remembers Edit as the target, places the window under it and shows it.
    void OpenFor(TEdit* Edit);

    void FormShow(TObject* Sender);
    void Edit1Change(TObject* Sender);
    void Edit2Change(TObject* Sender);
    void TrackBar1Change(TObject* Sender);
    void TrackBar1Enter(TObject* Sender);
    void TrackBar1Exit(TObject* Sender);
    void FormDeactivate(TObject* Sender);

    TEdit* TargetEdit = nullptr;
    int TargetKind = 0; // the target's Tag: 0 whole numbers, 1 decimal numbers
    AnsiString MinText, MaxText;

  private:
    int opening_ = 0; // OpenFor is running: positions the window sets are not written
    bool InterpolatedText(AnsiString& Text) const;
    void ShowInterpolated();
    void ShowWholePosition();
};

extern TForm2* Form2;
