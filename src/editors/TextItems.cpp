// The free text items of the text page: adding, selecting and deleting them. An item is the
// entry at one index of the list's lines, TextFonts and TextPositions.
#include "editors/TextItems.h"
#include "editors/Unit8.h"
#include "shell/PaperSize.h"
#include "shell/Unit1.h"

#include <cstdlib>

TPoint& TextItemPosition(TForm1* Form, int I) {
    std::vector<TPoint>& positions = Form->TextPositions;
    if (I < 0 || I >= static_cast<int>(positions.size()))
        throw EListError("List index out of bounds (" + IntToStr(I) + ")");
    return positions[static_cast<size_t>(I)];
}

bool WithinTextItemReach(const TForm1* Form, int Mm) {
    return std::abs(static_cast<long long>(Mm)) <= TextItemReachInSheets * PaperSideMm(Form);
}

void TForm1::ToolButton9Click(TObject*) {
    TntListBox1->AddItem("");
    auto font = std::make_unique<TFont>();
    font->SetName("ＭＳ ゴシック");
    font->SetSize(10);
    font->SetColor(Panel2->Color());
    TextFonts.Add(std::move(font));
    TextPositions.push_back(TPoint(static_cast<int>(MarginLeft), static_cast<int>(MarginTop)));
    const int last = TntListBox1->ItemCount() - 1;
    TntListBox1->SetItemIndex(last);
    if (MojiPanel) MojiPanel->LoadItem(last);
}

void TForm1::TntListBox1Click(TObject*) {
    const int i = TntListBox1->ItemIndex();
    if (i < 0) return;
    if (MojiPanel) MojiPanel->LoadItem(i);
}

void TForm1::ToolButton10Click(TObject*) {
    const int i = TntListBox1->ItemIndex();
    if (i < 0) return;
    // Each container loses its entry i only where it has one, so containers that fell out of
    // step are never read past their end. The item's font goes with its entry.
    if (i < static_cast<int>(TextPositions.size())) TextPositions.erase(TextPositions.begin() + i);
    TextFonts.Delete(i);
    TntListBox1->DeleteItem(i);
    if (MojiPanel) MojiPanel->ItemRemoved(i);
}
