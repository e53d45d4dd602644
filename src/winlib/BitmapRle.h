// Internal to the layer: the run-length compressed pixel data of 8- and 4-bit Windows bitmaps.
#pragma once

#include <cstdint>
#include <functional>

namespace bmpx {

// Decodes the rows of a Width x Height run-length picture of Bits (8 or 4) per pixel from the
// bytes [Data, End). Rows are stored bottom-up; each finished row is handed to Emit with its
// line (0 the bottom row) in the bitmap row layout, Stride bytes. Pixels the data skips (by a
// jump or an early end of the picture) are index 0; runs past the right edge are cut there.
// Returns false when the data ends before the picture does.
bool DecodeRle(const uint8_t* Data, const uint8_t* End, int Bits, int64_t Width, int64_t Height,
               int64_t Stride, const std::function<void(int64_t Line, const uint8_t* Row)>& Emit);

} // namespace bmpx
