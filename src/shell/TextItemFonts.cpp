#include "TextItemFonts.h"

#include "winlib/SysUtils.h"

TFont* TTextItemFonts::Font(int I) const {
    if (I < 0 || I >= Count()) throw EListError("List index out of bounds (" + IntToStr(I) + ")");
    TFont* font = fonts_[static_cast<size_t>(I)].get();
    if (!font) throw EListError("Text item " + IntToStr(I) + " has no font");
    return font;
}

TFont* TTextItemFonts::Add(std::unique_ptr<TFont> Font) {
    fonts_.push_back(std::move(Font));
    return fonts_.back().get();
}

void TTextItemFonts::Delete(int I) {
    if (I >= 0 && I < Count()) fonts_.erase(fonts_.begin() + I);
}
