// The preview's copy of the background picture, kept between preview rebuilds.
#pragma once

#include "shell/Abitmap.h"

#include <cstdint>
#include <optional>

// The part of the picture that shows on the preview, stretched (nearest neighbour) to its
// rectangle and blended over the paper colour. A rebuild draws this copy; it is made again only
// when the picture, the opacity, the paper colour, the rectangle's size or its visible part
// changed, so typing elsewhere costs nothing of the picture's own size.
class TBackgroundPreview {
  public:
    // The copy of Picture stretched into Rect (pixels of a preview whose bounds are Bounds) and
    // blended with Opacity (0 to 255) over Ground; Shown receives the part of Rect it covers.
    // Null when nothing of the picture shows. The copy is only to be drawn.
    TABitmap* Get(const TABitmap& Picture, const TRect& Rect, const TRect& Bounds, TColor Ground, int Opacity,
                  TRect& Shown);
    // The copy as last made.
    const TABitmap& Copy() const { return copy_; }

  private:
    struct Key {
        uint64_t picture;
        int64_t width, height;         // the whole rectangle
        int left, top, shownW, shownH; // its visible part, from the rectangle's corner
        TColor ground;
        int opacity;
        bool operator==(const Key&) const = default;
    };
    void Make(const TABitmap& Picture, const Key& k);

    std::optional<Key> key_;
    TABitmap copy_;
};
