// Common dialogs and message boxes. Every dialog is a real dialog; tests script its answer
// through the dialog seam so that handlers run with no person.
#pragma once

#include "Forms.h"

class TColorDialog : public TComponent {
  public:
    explicit TColorDialog(TComponent* AOwner) : TComponent(AOwner) {}
    TColor Color() const { return color_; }
    void SetColor(TColor c) { color_ = c; }
    bool Execute(); // OK stores the chosen colour; Cancel keeps Color

  private:
    TColor color_ = clBlack;
};

class TFontDialog : public TComponent {
  public:
    explicit TFontDialog(TComponent* AOwner) : TComponent(AOwner) {}
    TFont* Font() { return &font_; }
    bool Execute(); // name, size, style and colour; OK stores them, Cancel keeps the font

  private:
    TFont font_;
};

class TOpenPictureDialog : public TComponent {
  public:
    explicit TOpenPictureDialog(TComponent* AOwner) : TComponent(AOwner) {}
    const AnsiString& InitialDir() const { return initialDir_; }
    void SetInitialDir(const AnsiString& d) { initialDir_ = d; }
    // "description|patterns|description|patterns"; patterns match without regard to case.
    const AnsiString& Filter() const { return filter_; }
    void SetFilter(const AnsiString& f) { filter_ = f; }
    const AnsiString& FileName() const { return fileName_; }
    void SetFileName(const AnsiString& f) { fileName_ = f; }
    bool Execute();

  private:
    AnsiString initialDir_, filter_, fileName_;
};

// The plain message dialog: the application's title as caption, an OK button, no icon.
void ShowMessage(const AnsiString& Msg);

enum : unsigned { MB_OK = 0, MB_OKCANCEL = 1, MB_YESNOCANCEL = 3, MB_YESNO = 4 };
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };
// The system message box with a caption and no icon; returns the button pressed.
int MessageBox(const AnsiString& Text, const AnsiString& Caption, unsigned Flags);
