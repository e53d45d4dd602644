// Standard controls: edits, check boxes, radio buttons, combo and list boxes, labels, buttons,
// group boxes and memos.
#pragma once

#include "Controls.h"

#include <vector>

class TEdit;
class TComboBox;
class TListBox;

// Internal to the layer (widgetset/WSStdCtrls.h): the toolkit's side reports a user's change of
// these controls' values through these calls, which take the value the window already shows.
namespace wsevents {
void EditTextEdited(TEdit* Edit, const AnsiString& Text);
void ComboTextTyped(TComboBox* Combo, const AnsiString& Text);
void ListSelectionChanged(TListBox* List, const std::vector<bool>& Selected, int Caret);
} // namespace wsevents

class TEdit : public TWinControl {
  public:
    explicit TEdit(TComponent* AOwner);
    const AnsiString& Text() const { return text_; }
    // Runs OnChange at once when the text differs from the current one.
    void SetText(const AnsiString& t);
    void SelectAll();
    // Puts the caret before character Pos (0: the first) with nothing selected; the edit then
    // shows its text from there, however long it is.
    void SetSelStart(int Pos);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool r);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int m);
    void SetColor(TColor c) override;
    // Simulates the user typing the whole text (as a paste over a selection would).
    void UserSetText(const AnsiString& t);
    // Simulates a key press through OnKeyPress; returns the key after the handler (0 = consumed).
    char UserKeyPress(char Key);

    TNotifyEvent OnChange;

  private:
    friend void wsevents::EditTextEdited(TEdit*, const AnsiString&);
    void TextEditedByUser(const AnsiString& t);
    AnsiString text_;
    bool readOnly_ = false;
    int maxLength_ = 0;
};

class TMemo : public TWinControl {
  public:
    explicit TMemo(TComponent* AOwner);
    AnsiString Text() const;
    void SetText(const AnsiString& t);
    TStringList* Lines() { return &lines_; }
    void LinesChanged(); // shows Lines() after the program changed them
    TNotifyEvent OnChange;

  private:
    TStringList lines_;
};

class TButtonControl : public TWinControl {
  public:
    explicit TButtonControl(TComponent* AOwner) : TWinControl(AOwner) {}
};

class TButton : public TButtonControl {
  public:
    explicit TButton(TComponent* AOwner);
    // Return in the button's form clicks the default button (or the button that has the focus);
    // Escape clicks the cancel button.
    bool Default() const { return default_; }
    void SetDefault(bool d);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool c) { cancel_ = c; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int m) { modalResult_ = m; }
    void Click() override; // runs OnClick, then closes a modal form with ModalResult when set

  private:
    bool default_ = false;
    bool cancel_ = false;
    int modalResult_ = 0;
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TButtonControl {
  public:
    explicit TCheckBox(TComponent* AOwner);
    bool Checked() const { return checked_; }
    // Runs OnClick when the state changes.
    void SetChecked(bool c);
    TCheckBoxState State() const { return checked_ ? cbChecked : cbUnchecked; }
    void Click() override; // a user's click: toggles the state, which runs OnClick

  private:
    bool checked_ = false;
};

class TRadioButton : public TButtonControl {
  public:
    explicit TRadioButton(TComponent* AOwner);
    bool Checked() const { return checked_; }
    // true on an unchecked button unchecks its siblings (same parent) silently, then runs OnClick;
    // false runs nothing.
    void SetChecked(bool c);
    void Click() override; // a user's click checks the button

  private:
    bool checked_ = false;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed };

// Items are changed through the combo box so that the list shown follows them.
class TComboBox : public TWinControl {
  public:
    explicit TComboBox(TComponent* AOwner);
    int ItemCount() const { return static_cast<int>(items_.size()); }
    const AnsiString& Item(int i) const; // EStringListError out of range
    void AddItem(const AnsiString& s);
    void SetItems(const std::vector<AnsiString>& items);
    void ClearItems();
    int IndexOfItem(const AnsiString& s) const;
    int ItemIndex() const { return itemIndex_; }
    // Runs no handler. An index outside the list selects nothing (-1).
    void SetItemIndex(int i);
    // The selected item's text, or the typed text of an editable combo.
    AnsiString Text() const;
    void SetText(const AnsiString& t); // runs no handler
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle s);
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int n) { dropDownCount_ = n; }
    // Simulates the user picking item i: runs OnChange.
    void UserSelect(int i);

    TNotifyEvent OnChange;

  private:
    friend void wsevents::ComboTextTyped(TComboBox*, const AnsiString&);
    std::vector<AnsiString> items_;
    int itemIndex_ = -1;
    AnsiString text_;
    TComboBoxStyle style_ = csDropDown;
    int dropDownCount_ = 8;
};

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
enum : uint8_t { odSelected = 1, odFocused = 2, odDisabled = 4 };
using TOwnerDrawState = uint8_t;
using TDrawItemEvent =
    std::function<void(TWinControl* Control, int Index, const TRect& Rect, TOwnerDrawState State)>;

class TListBox : public TWinControl {
  public:
    explicit TListBox(TComponent* AOwner);
    int ItemCount() const { return static_cast<int>(items_.size()); }
    const AnsiString& Item(int i) const; // EStringListError out of range
    int AddItem(const AnsiString& s);    // sorted lists insert in byte order; returns the index
    void DeleteItem(int i);
    void ClearItems();
    int IndexOfItem(const AnsiString& s) const;
    void SetItem(int i, const AnsiString& s);
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int i); // runs no handler
    bool Selected(int i) const;
    void SetSelected(int i, bool s);
    int SelCount() const;
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool m);
    bool Sorted() const { return sorted_; }
    void SetSorted(bool s);
    TListBoxStyle Style() const { return style_; }
    void SetStyle(TListBoxStyle s);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int h);
    TCanvas* Canvas(); // the canvas OnDrawItem draws on
    // Simulates a user's click on item i (selects it, runs OnClick).
    void UserClickItem(int i);

    TDrawItemEvent OnDrawItem;

  private:
    friend void wsevents::ListSelectionChanged(TListBox*, const std::vector<bool>&, int);
    std::vector<AnsiString> items_;
    std::vector<bool> selected_;
    int itemIndex_ = -1;
    bool multiSelect_ = false, sorted_ = false;
    TListBoxStyle style_ = lbStandard;
    int itemHeight_ = 13;
};

class TLabel : public TGraphicControl {
  public:
    explicit TLabel(TComponent* AOwner);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool t);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool a) { autoSize_ = a; }
    void SetColor(TColor c) override;

  private:
    bool transparent_ = true;
    bool autoSize_ = true;
};

class TGroupBox : public TWinControl {
  public:
    explicit TGroupBox(TComponent* AOwner);
};
