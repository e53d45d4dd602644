// Logical palettes: handles to entry lists that stay valid until DeletePalette.
#include "Graphics.h"

#include <map>
#include <mutex>

namespace {

struct PaletteTable {
    std::mutex lock;
    std::map<HPALETTE, std::vector<TPaletteEntry>> entries;
    HPALETTE next = 1;
};

PaletteTable& Table() {
    static PaletteTable t;
    return t;
}

} // namespace

HPALETTE CreatePalette(const std::vector<TPaletteEntry>& Entries) {
    if (Entries.empty() || Entries.size() > 65535) return 0;
    PaletteTable& t = Table();
    std::lock_guard<std::mutex> g(t.lock);
    const HPALETTE h = t.next++;
    t.entries.emplace(h, Entries);
    return h;
}

// Copies up to Count entries from Start and returns how many were copied; with no Entries
// buffer, the number of entries in the palette. 0 for an unknown handle or a bad range.
int GetPaletteEntries(HPALETTE Palette, int Start, int Count, TPaletteEntry* Entries) {
    PaletteTable& t = Table();
    std::lock_guard<std::mutex> g(t.lock);
    const auto it = t.entries.find(Palette);
    if (it == t.entries.end()) return 0;
    const auto& e = it->second;
    const int size = static_cast<int>(e.size());
    if (!Entries) return size;
    if (Start < 0 || Count <= 0 || Start >= size) return 0;
    const int n = std::min(Count, size - Start);
    for (int i = 0; i < n; ++i)
        Entries[i] = e[static_cast<size_t>(Start + i)];
    return n;
}

void DeletePalette(HPALETTE Palette) {
    PaletteTable& t = Table();
    std::lock_guard<std::mutex> g(t.lock);
    t.entries.erase(Palette);
}
