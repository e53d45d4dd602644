// The pictures of ImageList1, drawn here pixel by pixel on a 16 x 16 grid: the menu items' and
// tool buttons' images, the printer of the status bar (image 5) and the check mark (image 8).
#include "ChromeImages.h"

#include <array>

namespace {
using Picture = std::array<const char*, 16>;

// In list order; '.' is transparent.
const Picture kPictures[kImageCount] = {
    // Print
    {
        "....kkkkkkkk....",
        "....kwwwwwwk....",
        "....kwbbbbwk....",
        "....kwwwwwwk....",
        "..kkkkkkkkkkkk..",
        ".kggggggggggggk.",
        ".kgsssssssssswk.",
        ".kggggggggggLgk.",
        ".kggggggggggggk.",
        ".kkkkkkkkkkkkkk.",
        "..kkwwwwwwwwkk..",
        "...kwbbbbbbwk...",
        "...kwwwwwwwwk...",
        "...kwbbbbbbwk...",
        "...kwwwwwwwwk...",
        "...kkkkkkkkkk...",
    },
    // Setup
    {
        "....kkkkkkkk....",
        "....kwwwwwwk....",
        "....kwwwwwwk....",
        "..kkkkkkkkkkkk..",
        ".kggggggggggggk.",
        ".kgsssssssssswk.",
        ".kggggggggggLgk.",
        ".kgggggggkkgkgk.",
        ".kgggggggkyyyk..",
        ".kkkkkkkkyykyyk.",
        "..kkwwwwkykkkyk.",
        "...kwwwwwkk.kk..",
        "...kwwwwkykkkyk.",
        "...kkkkkkyykyyk.",
        ".........kyyyk..",
        "..........k.k...",
    },
    // ZoomIn
    {
        "................",
        "....kkkkk.......",
        "...kwwwwwk......",
        "..kwwwkwwwk.....",
        ".kwwwwkwwwwk....",
        ".kwwkkkkkwwk....",
        ".kwwwwkwwwwk....",
        "..kwwwkwwwk.....",
        "...kwwwwwkk.....",
        "....kkkkkkkk....",
        "..........kkk...",
        "...........kkk..",
        "............kkk.",
        ".............kk.",
        "................",
        "................",
    },
    // ZoomOut
    {
        "................",
        "....kkkkk.......",
        "...kwwwwwk......",
        "..kwwwwwwwk.....",
        ".kwwwwwwwwwk....",
        ".kwwkkkkkwwk....",
        ".kwwwwwwwwwk....",
        "..kwwwwwwwk.....",
        "...kwwwwwkk.....",
        "....kkkkkkkk....",
        "..........kkk...",
        "...........kkk..",
        "............kkk.",
        ".............kk.",
        "................",
        "................",
    },
    // LineColor
    {
        "................",
        "............rr..",
        "...........rr...",
        "..........rr..GG",
        ".........rr..GG.",
        "........rr..GG..",
        ".......rr..GG..b",
        "......rr..GG..bb",
        ".....rr..GG..bb.",
        "....rr..GG..bb..",
        "...rr..GG..bb...",
        "..rr..GG..bb....",
        ".rr..GG..bb.....",
        "....GG..bb......",
        "...GG..bb.......",
        "......bb........",
    },
    // Printer
    {
        "................",
        "....kkkkkkkk....",
        "....kwwwwwwk....",
        "....kwwwwwwk....",
        "..kkkkkkkkkkkk..",
        ".kggggggggggggk.",
        ".kgsssssssssswk.",
        ".kggggggggggLgk.",
        ".kggggggggggggk.",
        ".kggggggggggggk.",
        ".kkkkkkkkkkkkkk.",
        "..kkwwwwwwwwkk..",
        "...kwwwwwwwwk...",
        "...kwwwwwwwwk...",
        "...kkkkkkkkkk...",
        "................",
    },
    // Update
    {
        "................",
        ".....GGGGG......",
        "...GGGGGGGGG.G..",
        "..GGG.....GGGG..",
        "..GG.......GGG..",
        ".GG.......GGGG..",
        ".GG.............",
        ".GG.............",
        ".............GG.",
        ".............GG.",
        "..GGGG.......GG.",
        "..GGG.......GG..",
        "..GGGG.....GGG..",
        "..G.GGGGGGGGG...",
        "......GGGGG.....",
        "................",
    },
    // Home
    {
        "................",
        ".......kk.......",
        "......krrk.kk...",
        ".....krrrrkkk...",
        "....krrrrrrkk...",
        "...krrrrrrrrk...",
        "..krrrrrrrrrrk..",
        ".kkkkkkkkkkkkkk.",
        "..kyyyyyyyyyyk..",
        "..kyyyyykkkyyk..",
        "..kybbykyyyyk...",
        "..kybbykyyykyk..",
        "..kyyyykyyykyk..",
        "..kyyyykyyykyk..",
        "..kkkkkkkkkkkk..",
        "................",
    },
    // Check
    {
        "................",
        "................",
        "................",
        "............ww..",
        "...........wkkw.",
        "..........wkkkw.",
        "..w......wkkkw..",
        ".wkw....wkkkw...",
        "wkkkw..wkkkw....",
        ".wkkkwwkkkw.....",
        "..wkkkkkkw......",
        "...wkkkkw.......",
        "....wkkw........",
        ".....ww.........",
        "................",
        "................",
    },
    // Mail
    {
        "................",
        "................",
        "................",
        "kkkkkkkkkkkkkkkk",
        "kkwwwwwwwwwwwwkk",
        "kwkwwwwwwwwwwkwk",
        "kwwkwwwwwwwwkwwk",
        "kwwwkwwwwwwkwwwk",
        "kwwwwkwwwwkwwwwk",
        "kwwwkwkkkkwkwwwk",
        "kwwkwwwwwwwwkwwk",
        "kwkwwwwwwwwwwkwk",
        "kkwwwwwwwwwwwwkk",
        "kkkkkkkkkkkkkkkk",
        "................",
        "................",
    },
    // Forum
    {
        "................",
        "..kkkkkkkkk.....",
        ".kyyyyyyyyyk....",
        ".kykkkkkkkyk....",
        ".kyyyyyyyyyk....",
        ".kykkkkkyyykkkk.",
        ".kyyyyyyyyykwwwk",
        "..kkykkkkkkwwwwk",
        "...kyk.kwkkkkwwk",
        "...kk..kwwwwwwwk",
        ".......kwkkkkkwk",
        ".......kwwwwwwwk",
        "........kkkkwkk.",
        "...........kwk..",
        "............kk..",
        "................",
    },
    // About
    {
        "................",
        ".....bbbbbb.....",
        "...bbbbbbbbbb...",
        "..bbbbbwwbbbbb..",
        "..bbbbbwwbbbbb..",
        ".bbbbbbbbbbbbbb.",
        ".bbbbbwwwbbbbbb.",
        ".bbbbbbwwbbbbbb.",
        ".bbbbbbwwbbbbbb.",
        ".bbbbbbwwbbbbbb.",
        ".bbbbbbwwbbbbbb.",
        "..bbbbwwwwbbbb..",
        "..bbbbbbbbbbbb..",
        "...bbbbbbbbbb...",
        ".....bbbbbb.....",
        "................",
    },
    // Exit
    {
        "................",
        "..kkkkkkkkk.....",
        "..kssssssok.....",
        "..kssssssook....",
        "..kssssssoook...",
        "..kssssssoook...",
        "..kssssssoook.r.",
        "..ksssssskook.rr",
        "..kssssssooorrrr",
        "..kssssssoook.rr",
        "..kssssssoook.r.",
        "..kssssssoook...",
        "..kssssssoook...",
        "..kkkkkkkooook..",
        "...........kk...",
        "................",
    },
    // TextAdd
    {
        "................",
        ".....kk.........",
        ".....kk.........",
        "....k..k........",
        "....k..k........",
        "...k....k.......",
        "...kkkkkk.......",
        "..k......k..GG..",
        "..k......k..GG..",
        ".kk......kkGGGGG",
        "..........GGGGGG",
        "............GG..",
        "............GG..",
        "................",
        "................",
        "................",
    },
    // TextDelete
    {
        "................",
        ".....kk.........",
        ".....kk.........",
        "....k..k........",
        "....k..k........",
        "...k....k.......",
        "...kkkkkk.......",
        "..k......k......",
        "..k......k.r...r",
        ".kk......kk.r.r.",
        "...........r.r..",
        "............r...",
        "...........r.r..",
        "..........r...r.",
        "................",
        "................",
    },
};

TColor ColorOf(char c) {
    switch (c) {
    case 'k':
        return clBlack;
    case 'w':
        return clWhite;
    case 'g':
        return RGB(192, 192, 192);
    case 's':
        return RGB(128, 128, 128);
    case 'b':
        return RGB(0, 0, 200);
    case 'r':
        return RGB(220, 0, 0);
    case 'G':
        return RGB(0, 150, 0);
    case 'L':
        return RGB(0, 255, 0);
    case 'y':
        return RGB(255, 220, 80);
    case 'o':
        return RGB(150, 90, 40);
    default:
        return kImageMaskColor;
    }
}
} // namespace

void FillImageList1(TImageList* List) {
    TBitmap bmp;
    bmp.SetPixelFormat(pf24bit);
    bmp.SetSize(16, 16);
    for (const Picture& picture : kPictures) {
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                bmp.Canvas()->SetPixel(x, y, ColorOf(picture[y][x]));
        List->AddMasked(&bmp, kImageMaskColor);
    }
}
