// A print job's copy of the background picture, blended over white once for all its sheets.
#pragma once

#include "shell/Abitmap.h"

#include <cstdint>
#include <optional>

// Every sheet of a job draws the same blended bitmap, so the picture is blended once per job and
// the printer's document holds it once, however many sheets it has. The print command keeps one
// of these for the length of a job (TForm1::BGPrintBlend); without one, each call blends anew.
class TPrintBackground {
  public:
    // Picture blended with Opacity (held to 0..255) over white; made again only when the picture
    // or the opacity changed since the last call. The bitmap is only to be drawn.
    TABitmap* Get(TABitmap& Picture, int Opacity);
    // How many blends were made; one per job when nothing changes between its sheets.
    int Blends() const { return blends_; }

  private:
    struct Key {
        uint64_t picture;
        int opacity;
        bool operator==(const Key&) const = default;
    };
    std::optional<Key> key_;
    TABitmap blended_;
    int blends_ = 0;
};
