// Internal to the layer: what the standard controls ask of the toolkit, and what the toolkit
// reports back about them.
//
// Each control keeps its value (text, items, selection, check state) and the rules of its
// events; the calls in namespace ws only show that value in the control's window. They never
// run a handler: a window changed by them reports nothing back. What the user does to the
// window reaches the control through the calls in namespace wsevents, which run its handlers.
#pragma once

#include "winlib/StdCtrls.h"
#include "winlib/widgetset/WSControls.h"

#include <memory>
#include <vector>

namespace ws {

// One-line edits.
std::unique_ptr<TWSControl> CreateEdit(TEdit* Edit);
void EditShowText(TEdit* Edit, const AnsiString& Text);
void EditSelectAll(TEdit* Edit);
// The caret before character Pos, nothing selected, the text scrolled to show it.
void EditSetCaret(TEdit* Edit, int Pos);
void EditSetReadOnly(TEdit* Edit, bool ReadOnly);
// 0: no limit of the control's own.
void EditSetMaxLength(TEdit* Edit, int MaxLength);
// Types one character at the caret as the user would (8: Backspace); a read-only edit takes
// none. The new text is reported through wsevents::EditTextEdited.
void EditTypeKey(TEdit* Edit, char Key);

// Multi-line edits.
std::unique_ptr<TWSControl> CreateMemo(TMemo* Memo);
void MemoShowText(TMemo* Memo, const AnsiString& Text);

// Push buttons, check boxes and radio buttons.
std::unique_ptr<TWSControl> CreateButton(TButton* Button);
std::unique_ptr<TWSControl> CreateCheckBox(TCheckBox* CheckBox);
std::unique_ptr<TWSControl> CreateRadioButton(TRadioButton* RadioButton);
// Drawn as the form's default button or not.
void ButtonShowDefault(TButton* Button, bool Default);
void ButtonShowChecked(TButtonControl* Button, bool Checked);

// Combo boxes.
std::unique_ptr<TWSControl> CreateComboBox(TComboBox* Combo);
// Appends an item to the list shown, selecting nothing.
void ComboAddItem(TComboBox* Combo, const AnsiString& Item);
// The list shown becomes the control's items.
void ComboShowItems(TComboBox* Combo);
// Shows the control's item index, text and drop-down count.
void ComboShowSelection(TComboBox* Combo);
// An editable combo has an edit part the user types into.
void ComboSetEditable(TComboBox* Combo, bool Editable);

// List boxes.
std::unique_ptr<TWSControl> CreateListBox(TListBox* List);
void ListInsertItem(TListBox* List, int Index, const AnsiString& Item);
void ListDeleteItem(TListBox* List, int Index);
void ListClearItems(TListBox* List);
void ListSetItemText(TListBox* List, int Index, const AnsiString& Item);
// Shows the control's selected items and its item index (the caret).
void ListShowSelection(TListBox* List);
// Lets the user select several items (Ctrl and Shift clicks) or one.
void ListSetMultiSelect(TListBox* List, bool MultiSelect);
// Lays the rows out again after a change of style or item height.
void ListRelayout(TListBox* List);
// The canvas owner-drawn items are painted on.
TCanvas* ListCanvas(TListBox* List);

// Labels and group boxes.
std::unique_ptr<TWSControl> CreateLabel(TLabel* Label);
// The size the label's caption takes in its font: at least one line high.
TRect LabelTextBounds(const TLabel* Label);
std::unique_ptr<TWSControl> CreateGroupBox(TGroupBox* GroupBox);

} // namespace ws

namespace wsevents {

// The user changed the edit's text (typed, pasted, deleted): runs OnChange when it differs.
void EditTextEdited(TEdit* Edit, const AnsiString& Text);
void MemoTextEdited(TMemo* Memo, const AnsiString& Text);

void ButtonClicked(TButton* Button);
// The user clicked the check box, which now shows Checked.
void CheckBoxClicked(TCheckBox* CheckBox, bool Checked);
void RadioButtonClicked(TRadioButton* RadioButton);

// The user typed Text into the edit part of the combo box.
void ComboTextTyped(TComboBox* Combo, const AnsiString& Text);
// The user chose item Index from the list.
void ComboItemChosen(TComboBox* Combo, int Index);

// The user changed the list's selection: Selected holds one flag per item; Caret is the item
// with the caret (-1: none).
void ListSelectionChanged(TListBox* List, const std::vector<bool>& Selected, int Caret);
// Paints item Index of an owner-drawn list on ws::ListCanvas, bound to the paint in progress.
// Returns false when the list draws its items itself (standard style or no OnDrawItem).
bool ListDrawItem(TListBox* List, int Index, const TRect& Rect, TOwnerDrawState State);
// The height of a row whose standard height is StandardHeight.
int ListRowHeight(const TListBox* List, int StandardHeight);

// The label's caption or font changed: an auto-sized label takes the size of its text.
void LabelTextChanged(TLabel* Label);

} // namespace wsevents
