// Colours, pens, brushes, fonts, the canvas and the device-independent bitmap.
// The same TCanvas calls draw into a TBitmap (the preview) and onto a printer page.
#pragma once

#include "Classes.h"

#include <array>
#include <utility>
#include <vector>

// 0x00BBGGRR; values with the top byte 0xFF are system colours resolved when drawn.
using TColor = int32_t;
constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
                 clMoneyGreen = 0xC0DCC0, clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF, clMedGray = 0xA4A0A0,
                 clNone = 0x1FFFFFFF, clDefault = 0x20000000;
constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000);
constexpr TColor clScrollBar = clSystemColor | 0, clBackground = clSystemColor | 1,
                 clActiveCaption = clSystemColor | 2, clInactiveCaption = clSystemColor | 3,
                 clMenu = clSystemColor | 4, clWindow = clSystemColor | 5, clWindowFrame = clSystemColor | 6,
                 clMenuText = clSystemColor | 7, clWindowText = clSystemColor | 8,
                 clCaptionText = clSystemColor | 9, clActiveBorder = clSystemColor | 10,
                 clInactiveBorder = clSystemColor | 11, clAppWorkSpace = clSystemColor | 12,
                 clHighlight = clSystemColor | 13, clHighlightText = clSystemColor | 14,
                 clBtnFace = clSystemColor | 15, clBtnShadow = clSystemColor | 16,
                 clGrayText = clSystemColor | 17, clBtnText = clSystemColor | 18,
                 clInactiveCaptionText = clSystemColor | 19, clBtnHighlight = clSystemColor | 20;

// A system colour becomes its RGB value (fixed classic desktop values); others pass unchanged.
TColor ColorToRGB(TColor c);
inline int GetRValue(TColor c) {
    return c & 0xFF;
}
inline int GetGValue(TColor c) {
    return (c >> 8) & 0xFF;
}
inline int GetBValue(TColor c) {
    return (c >> 16) & 0xFF;
}
inline TColor RGB(int r, int g, int b) {
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode { pmCopy, pmNot, pmXor, pmMerge, pmMask };
enum TBrushStyle { bsSolid, bsClear };
enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint8_t; // set of TFontStyle bits

class TPen : public TPersistent {
  public:
    TColor Color() const { return color_; }
    void SetColor(TColor c) { color_ = c; }
    int Width() const { return width_; }
    void SetWidth(int w) { width_ = w < 0 ? 0 : w; }
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle s) { style_ = s; }
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode m) { mode_ = m; }
    // How many device pixels each pixel of the dash patterns takes (1: the patterns as they are,
    // in device pixels). A canvas that stands for another device at another scale (a preview of
    // a printed page) sets the ratio of the two, so that dashes keep their length on paper. A
    // value that is not a positive number counts as 1.
    double DashScale() const { return dashScale_; }
    void SetDashScale(double s) { dashScale_ = s > 0 && s < 1e6 ? s : 1.0; }
    void Assign(TPersistent* Source) override;

  private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
    double dashScale_ = 1.0;
};

class TBrush : public TPersistent {
  public:
    TColor Color() const { return color_; }
    // Setting a colour makes the brush solid.
    void SetColor(TColor c) {
        color_ = c;
        style_ = bsSolid;
    }
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle s) { style_ = s; }
    void Assign(TPersistent* Source) override;

  private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};

// A font as the program stores it. A positive Height is the character cell height in pixels,
// a negative one the em height; Size is in points at PixelsPerInch (96 on the screen).
// The Name is kept exactly as stored ("ＭＳ ゴシック") even when no such font is installed;
// drawing falls back to an installed Japanese font of the same kind.
class TFont : public TPersistent {
  public:
    const AnsiString& Name() const { return name_; }
    void SetName(const AnsiString& n) {
        name_ = n;
        Changed();
    }
    int Height() const { return height_; }
    void SetHeight(int h) {
        height_ = h;
        Changed();
    }
    int Size() const;     // -MulDiv(Height, 72, PixelsPerInch)
    void SetSize(int pt); // Height = -MulDiv(pt, PixelsPerInch, 72)
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles s) {
        style_ = s;
        Changed();
    }
    TColor Color() const { return color_; }
    void SetColor(TColor c) {
        color_ = c;
        Changed();
    }
    int Charset() const { return charset_; }
    void SetCharset(int c) {
        charset_ = c;
        Changed();
    }
    int PixelsPerInch() const { return ppi_; }
    void SetPixelsPerInch(int p) { ppi_ = p; }
    // Copies name, height, style, colour and charset, then reports one change.
    void Assign(TPersistent* Source) override;
    // Lets a control follow changes of its font; runs no program handler.
    std::function<void()> OnChange;

  private:
    void Changed() {
        if (OnChange) OnChange();
    }
    AnsiString name_ = "ＭＳ Ｐゴシック";
    int height_ = -12;
    TFontStyles style_ = 0;
    TColor color_ = clWindowText;
    int charset_ = 1;
    int ppi_ = 96;
};

class TGraphic;
class TWSCanvas;
class TCanvasImpl;

// One row of a lattice of ellipses (see TCanvas::EllipseLattice): boxes from Top to Bottom
// (bottom excluded), over the columns of set Columns.
struct TEllipseRow {
    int Top = 0, Bottom = 0;
    int Columns = 0;
};

// Drawing state (pen, brush, font, pen position) lives in the canvas and persists between calls.
// Pixel rules of the layer: LineTo leaves out its end pixel; Rectangle, FillRect and
// Ellipse exclude the right and bottom edge; an empty or inverted FillRect fills nothing;
// TextOut places the top-left corner of the text cell; a clear brush draws text transparently.
class TCanvas : public TPersistent {
  public:
    TCanvas();
    ~TCanvas() override;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TPen* Pen() { return &pen_; }
    TBrush* Brush() { return &brush_; }
    TFont* Font() { return &font_; }
    TPoint PenPos() const { return penPos_; }
    void SetPenPos(TPoint p) { penPos_ = p; }

    void MoveTo(int X, int Y);
    void LineTo(int X, int Y);
    void Rectangle(int X1, int Y1, int X2, int Y2);
    void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
    void FillRect(const TRect& R);
    void FrameRect(const TRect& R);
    void Ellipse(int X1, int Y1, int X2, int Y2);
    // Ellipse on every box of a lattice, as that many calls: each row of Rows in turn, with each
    // column (left, right) of its set of ColumnSets in turn. Boxes that take one colour only are
    // drawn together on a bitmap, row of pixels by row of pixels.
    void EllipseLattice(const std::vector<std::vector<std::pair<int, int>>>& ColumnSets,
                        const std::vector<TEllipseRow>& Rows);
    void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
    void TextOut(int X, int Y, const AnsiString& Text);
    int TextWidth(const AnsiString& Text);
    int TextHeight(const AnsiString& Text);
    void Draw(int X, int Y, TGraphic* Graphic);
    void StretchDraw(const TRect& R, TGraphic* Graphic); // nearest neighbour; an empty rect draws nothing
    // Pixel access on bitmap canvases (printer canvases read as clWhite and ignore writes).
    TColor Pixel(int X, int Y);
    void SetPixel(int X, int Y, TColor C);

    // Backend binding, used by TBitmap, TPrinter and the owner-drawn controls of this layer.
    TWSCanvas* WS() { return ws_.get(); }
    TCanvasImpl* Impl(); // the surface as the toolkit's class, for the toolkit's side
    void SetImpl(std::unique_ptr<TWSCanvas> impl);

  private:
    TPen pen_;
    TBrush brush_;
    TFont font_;
    TPoint penPos_;
    // The dash mask position carries on across consecutive LineTo calls and restarts whenever
    // the pen was moved.
    int stylePos_ = 0;
    bool styleContinues_ = false;
    TPoint styleEnd_;
    std::unique_ptr<TWSCanvas> ws_;
};

struct TRGBQuad {
    uint8_t rgbBlue = 0, rgbGreen = 0, rgbRed = 0, rgbReserved = 0;
};
struct TPaletteEntry {
    uint8_t peRed = 0, peGreen = 0, peBlue = 0, peFlags = 0;
};

// Logical palettes as handles; 0 is no palette.
using HPALETTE = uintptr_t;
HPALETTE CreatePalette(const std::vector<TPaletteEntry>& Entries);
int GetPaletteEntries(HPALETTE Palette, int Start, int Count, TPaletteEntry* Entries); // 0 for no palette
void DeletePalette(HPALETTE Palette);

enum TProgressStage { psStarting, psRunning, psEnding };
using TProgressEvent = std::function<void(TObject* Sender, TProgressStage Stage, uint8_t PercentDone,
                                          bool RedrawNow, const TRect& R, const AnsiString& Msg)>;

// The largest picture a load keeps. A larger one is reduced in proportion while it is read,
// until both sides are at most MaxSide pixels and it holds at most MaxPixels; 0 sets no bound.
struct TPictureLimit {
    int MaxSide = 0;
    int64_t MaxPixels = 0;
    bool Fits(int64_t Width, int64_t Height) const;
    // The size a Width x Height picture is reduced to: itself when it fits, else the largest
    // size of the same proportions that fits (never below 1 x 1).
    TPoint Fit(int64_t Width, int64_t Height) const;
};

// The abstract picture: bitmaps, JPEG and PNG pictures derive from it.
class TGraphic : public TPersistent {
  public:
    virtual bool Empty() const { return GetEmpty(); }
    int Width() const { return GetWidth(); }
    int Height() const { return GetHeight(); }
    void SetWidth(int w) { SetWidthImpl(w); }
    void SetHeight(int h) { SetHeightImpl(h); }
    virtual void SetSize(int w, int h) {
        SetWidthImpl(w);
        SetHeightImpl(h);
    }
    bool Transparent() const { return GetTransparent(); }
    void SetTransparentFlag(bool t) { SetTransparent(t); }
    HPALETTE Palette() const { return GetPalette(); }
    void SetPaletteHandle(HPALETTE p) { SetPalette(p); }

    virtual void LoadFromFile(const AnsiString& FileName); // opens a TFileStream and calls LoadFromStream
    virtual void SaveToFile(const AnsiString& FileName);
    virtual void LoadFromStream(TStream* Stream) = 0;
    virtual void SaveToStream(TStream* Stream) = 0;
    virtual void LoadFromClipboardFormat(uint16_t, uintptr_t, HPALETTE) {}
    virtual void SaveToClipboardFormat(uint16_t&, uintptr_t&, HPALETTE&) {}
    // Stretches the picture into R on the canvas.
    virtual void Draw(TCanvas* ACanvas, const TRect& R) = 0;

    TNotifyEvent OnChange;
    TProgressEvent OnProgress;
    // Applied by the loads of every picture class; no bound by default.
    TPictureLimit LoadLimit;

  protected:
    virtual bool GetEmpty() const = 0;
    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;
    virtual HPALETTE GetPalette() const { return 0; }
    virtual void SetPalette(HPALETTE) {}
    virtual bool GetTransparent() const { return transparent_; }
    virtual void SetTransparent(bool t) { transparent_ = t; }
    virtual void SetWidthImpl(int w) = 0;
    virtual void SetHeightImpl(int h) = 0;
    virtual void ReadData(TStream* Stream) { LoadFromStream(Stream); }
    virtual void WriteData(TStream* Stream) { SaveToStream(Stream); }
    virtual void Changed(TObject* Sender);
    void Progress(TObject* Sender, TProgressStage Stage, uint8_t PercentDone, bool RedrawNow, const TRect& R,
                  const AnsiString& Msg);

  private:
    bool transparent_ = false;
};

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };

// A device-independent bitmap held in memory with these pixel layouts:
// rows padded to 4 bytes; 24 bits are B,G,R; 32 bits are B,G,R,X (the fourth byte is not alpha
// for drawing); 15 bits are 5-5-5, 16 bits 5-6-5 (little-endian words); 1, 4 and 8 bits index
// the colour table, the leftmost pixel in the highest bits. A new bitmap is pfDevice, which
// behaves as 32 bits. Changing the pixel format converts the pixels; changing the size keeps
// the top-left part and fills new pixels with 0 (black).
class TBitmap : public TGraphic {
  public:
    TBitmap();
    ~TBitmap() override;

    TCanvas* Canvas(); // valid until the bitmap is destroyed; follows size and format changes
    TPixelFormat PixelFormat() const { return format_; }
    void SetPixelFormat(TPixelFormat f);
    int BitsPerPixel() const; // 1, 4, 8, 15, 16, 24 or 32
    void SetSize(int w, int h) override;
    // Row Y counted from the top; the bytes of that row in the layout above.
    uint8_t* ScanLine(int Y);
    const uint8_t* ScanLine(int Y) const;
    int BytesPerScanline() const { return stride_; }
    // Changes whenever the pixels, size, format or colour table may have changed (a writable row
    // access or a drawing on the canvas counts); no two states of any bitmaps share a value.
    uint64_t Revision() const;

    // The colour table of 1-, 4- and 8-bit bitmaps (up to 256 entries).
    const std::vector<TRGBQuad>& ColorTable() const { return colors_; }
    void SetColorTable(const std::vector<TRGBQuad>& t);

    TColor TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(TColor c) { transparentColor_ = c; }

    void Assign(TPersistent* Source) override; // value copy from a bitmap, or from any graphic that knows us
    // As Assign from a bitmap, but the pixels move instead of being copied: Source is left empty.
    void MoveFrom(TBitmap& Source);
    void LoadFromStream(TStream* Stream) override; // Windows BMP; EInvalidGraphic otherwise
    void SaveToStream(TStream* Stream) override;   // Windows BMP
    void Draw(TCanvas* ACanvas, const TRect& R) override;
    void Dormant() {}
    void FreeImage() {}

  protected:
    bool GetEmpty() const override { return width_ == 0 || height_ == 0; }
    int GetWidth() const override { return width_; }
    int GetHeight() const override { return height_; }
    HPALETTE GetPalette() const override;
    void SetPalette(HPALETTE p) override;
    void SetWidthImpl(int w) override { SetSize(w, height_); }
    void SetHeightImpl(int h) override { SetSize(width_, h); }

  private:
    friend class TBitmapCanvasImpl;
    void Reallocate(int w, int h, TPixelFormat f, bool keepPixels);
    // Takes Source's pixels, colour table, size and format (Source's storage is left moved
    // from) and drops our palette; announces nothing.
    void TakePixels(TBitmap& Source);
    void Touch();
    int width_ = 0, height_ = 0, stride_ = 0;
    TPixelFormat format_ = pfDevice;
    std::vector<uint8_t> bits_;
    std::vector<TRGBQuad> colors_;
    mutable HPALETTE palette_ = 0; // made from the colour table on demand, owned by the bitmap
    TColor transparentColor_ = clDefault;
    // A change only marks the bitmap; the next Revision() numbers the new state. Drawing calls
    // change the pixels by the million, the revision is read now and then.
    mutable uint64_t revision_ = 0;
    mutable bool changed_ = true;
    std::unique_ptr<TCanvas> canvas_;
};

// Picture holder with the registry of file formats by extension ("BMP", "JPG", "JPEG", "PNG").
class TPicture : public TPersistent {
  public:
    using TGraphicFactory = std::function<TGraphic*()>;
    static void RegisterFileFormat(const AnsiString& Extension, const AnsiString& Description,
                                   TGraphicFactory Factory);
    static void UnregisterFileFormat(const AnsiString& Extension);
    ~TPicture() override;
    void LoadFromFile(const AnsiString& FileName); // EInvalidGraphic for an unknown extension
    TGraphic* Graphic() const { return graphic_; }
    void SetGraphic(TGraphic* g); // takes ownership
    TBitmap* Bitmap();            // converts the graphic to a bitmap when needed
    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }

  private:
    TGraphic* graphic_ = nullptr;
};

// JPEG picture decoded with libjpeg, at full size unless LoadLimit asks for less; EJPEG on a bad
// or incomplete file, which leaves the picture as it was.

class TJPEGImage : public TGraphic {
  public:
    TJPEGImage();
    ~TJPEGImage() override;
    void LoadFromStream(TStream* Stream) override;
    void SaveToStream(TStream* Stream) override; // not supported: EInvalidGraphicOperation
    void Draw(TCanvas* ACanvas, const TRect& R) override;
    void Assign(TPersistent* Source) override;
    TBitmap* Bitmap() { return &bitmap_; } // the decoded picture, 24 bits (32 when reduced past 1/8)

  protected:
    void AssignTo(TPersistent* Dest) override; // a TBitmap receives the decoded picture
    bool GetEmpty() const override { return bitmap_.Empty(); }
    int GetWidth() const override { return bitmap_.Width(); }
    int GetHeight() const override { return bitmap_.Height(); }
    void SetWidthImpl(int) override {}
    void SetHeightImpl(int) override {}

  private:
    TBitmap bitmap_;
};

// The screen's logical pixels per inch, across and down.
int ScreenPixelsPerInchX();
int ScreenPixelsPerInchY();
