// The free text items of the text page: adding, selecting and deleting them. An item is the
// entry at one index of the list's lines, TextFonts and TextPositions.
#include "editors/Unit8.h"
#include "shell/Unit1.h"

#include <algorithm>

namespace {
template <class T> T& Entry(std::vector<T>& v, int i) {
    if (i < 0 || i >= static_cast<int>(v.size()))
        throw EListError("List index out of bounds (" + IntToStr(i) + ")");
    return v[static_cast<size_t>(i)];
}
} // namespace

TFont* TextItemFont(TForm1* Form, int I) {
    TFont* font = Entry(Form->TextFonts, I);
    if (!font) throw EListError("Text item " + IntToStr(I) + " has no font");
    return font;
}

TPoint& TextItemPosition(TForm1* Form, int I) {
    return Entry(Form->TextPositions, I);
}

void TForm1::ToolButton9Click(TObject*) {
    TntListBox1->AddItem("");
    auto font = std::make_unique<TFont>();
    font->SetName("ＭＳ ゴシック");
    font->SetSize(10);
    font->SetColor(Panel2->Color());
    TextFonts.push_back(font.get());
    OwnedTextFonts.push_back(std::move(font));
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
    // step are never read past their end.
    if (i < static_cast<int>(TextPositions.size())) TextPositions.erase(TextPositions.begin() + i);
    if (i < static_cast<int>(TextFonts.size())) {
        TFont* font = TextFonts[static_cast<size_t>(i)];
        TextFonts.erase(TextFonts.begin() + i);
        // A font the add command made goes with its item, unless another entry still uses it.
        if (std::find(TextFonts.begin(), TextFonts.end(), font) == TextFonts.end())
            std::erase_if(OwnedTextFonts,
                          [font](const std::unique_ptr<TFont>& p) { return p.get() == font; });
    }
    TntListBox1->DeleteItem(i);
    if (MojiPanel) MojiPanel->ItemRemoved(i);
}
