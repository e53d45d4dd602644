// The fonts of the text page's free text items: one entry per item, in the items' order. Each
// entry owns its font, so a font lives exactly as long as its item.
#pragma once

#include "winlib/Graphics.h"

#include <memory>
#include <vector>

class TTextItemFonts {
  public:
    int Count() const { return static_cast<int>(fonts_.size()); }
    // The font of item I. EListError when there is no entry I or the entry holds no font.
    TFont* Font(int I) const;
    // Takes Font as the font of a new last item and returns it.
    TFont* Add(std::unique_ptr<TFont> Font);
    // Entry I goes, its font with it; an index without an entry changes nothing.
    void Delete(int I);
    void Clear() { fonts_.clear(); }

  private:
    std::vector<std::unique_ptr<TFont>> fonts_;
};
