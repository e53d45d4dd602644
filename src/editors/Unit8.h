// The text-item window: the text, position and font of one free text item of the main window.
#pragma once

#include "winlib/Dialogs.h"
#include "winlib/Forms.h"
#include "winlib/StdCtrls.h"

class TMojiPanel : public TForm {
  public:
    explicit TMojiPanel(TComponent* Owner);

    TEdit* TntEdit2;            // text
    TEdit *TntEdit3, *TntEdit4; // position x, y in whole millimetres (Tag PositionTag)
    TLabel* TntLabel1;          // the font's name, drawn in the font
    TComboBox* ComboBox1;       // the installed fonts
    TButton* TntButton1;
    TFontDialog* MojiFontDialog; // the font being edited

    // The item the window edits; -1 when it edits none.
    int CurrentIndex = -1;

    // Makes item I the current one, fills the controls from it and brings the window up.
    void LoadItem(int I);
    // Item I left the containers: the window keeps editing the item it had, wherever that
    // moved to, and none when that item was the one removed.
    void ItemRemoved(int I);

    void FormShow(TObject* Sender);
    void TntEdit2Change(TObject* Sender);
    void TntEdit3Change(TObject* Sender);
    void TntEdit4Change(TObject* Sender);
    void ComboBox1Change(TObject* Sender);
    void TntButton1Click(TObject* Sender);

  private:
    // Puts the window beside the main window's text page, on the screen, so that it does not
    // cover the list and the buttons it is used with.
    void PlaceBesideTextPage();
    bool EditsCurrentSelection() const;
    void PositionChanged(TEdit* Edit, int TPoint::*Axis); // x or y of the current item
    void StoreDialogFont(); // the dialog's font into the current item and the name label
};

extern TMojiPanel* MojiPanel;
