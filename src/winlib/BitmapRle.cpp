#include "BitmapRle.h"

#include <algorithm>
#include <vector>

namespace bmpx {

bool DecodeRle(const uint8_t* Data, const uint8_t* End, int Bits, int64_t Width, int64_t Height,
               int64_t Stride, const std::function<void(int64_t Line, const uint8_t* Row)>& Emit) {
    std::vector<uint8_t> row(static_cast<size_t>(Stride), 0);
    int64_t x = 0, line = 0;
    const auto put = [&](int index) {
        if (x < Width) {
            if (Bits == 8) {
                row[size_t(x)] = static_cast<uint8_t>(index);
            } else {
                uint8_t& b = row[size_t(x / 2)];
                b = (x & 1) ? static_cast<uint8_t>((b & 0xF0) | (index & 15))
                            : static_cast<uint8_t>((b & 0x0F) | (index & 15) << 4);
            }
        }
        ++x;
    };
    // A four-bit byte holds two pixels, the left one in the high half.
    const auto pixelOf = [Bits](const uint8_t* bytes, int i) {
        return Bits == 8 ? bytes[i] : (i & 1) ? bytes[i / 2] & 15 : bytes[i / 2] >> 4;
    };
    const auto finishRow = [&] {
        Emit(line++, row.data());
        std::fill(row.begin(), row.end(), 0);
        x = 0;
    };
    const uint8_t* p = Data;
    while (line < Height) {
        if (End - p < 2) return false;
        const int count = p[0], code = p[1];
        p += 2;
        if (count > 0) { // a run: count pixels of the one or two indexes in the code byte
            const uint8_t pair[1] = {static_cast<uint8_t>(code)};
            for (int i = 0; i < count; ++i)
                put(Bits == 8 ? code : pixelOf(pair, i & 1));
            continue;
        }
        switch (code) {
        case 0: // end of the row
            finishRow();
            break;
        case 1: // end of the picture: the rows left stay blank
            while (line < Height)
                finishRow();
            return true;
        case 2: { // a jump right and up
            if (End - p < 2) return false;
            const int64_t right = p[0], up = p[1];
            p += 2;
            const int64_t at = x + right;
            for (int64_t i = 0; i < up && line < Height; ++i)
                finishRow();
            x = at;
            break;
        }
        default: { // code pixels given one by one, padded to a whole number of 16-bit words
            const int64_t bytes = Bits == 8 ? code : (code + 1) / 2;
            const int64_t padded = bytes + (bytes & 1);
            if (End - p < padded) return false;
            for (int i = 0; i < code; ++i)
                put(pixelOf(p, i));
            p += padded;
            break;
        }
        }
    }
    return true;
}

} // namespace bmpx
