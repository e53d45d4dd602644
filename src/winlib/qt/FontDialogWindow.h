// Internal to the layer: the window of the font dialog. It edits a copy of a TFont: the family
// list holds the installed families plus the stored name when that one is not installed, so an
// unchanged choice gives back the name exactly as stored.
#pragma once

#include "winlib/Graphics.h"

#include <QDialog>

class QCheckBox;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace winlib {

class FontDialogWindow : public QDialog {
  public:
    explicit FontDialogWindow(QWidget* parent = nullptr);
    void Load(const TFont& font);
    // Writes name, size, style and colour into font.
    void Store(TFont& font) const;

    // For tests and the window's own controls.
    QListWidget* Families() const { return families_; }
    QSpinBox* SizeBox() const { return size_; }
    QCheckBox* StyleBox(TFontStyle s) const;
    TColor Color() const { return color_; }
    void SetColor(TColor c);

  private:
    void ChooseColor();
    QListWidget* families_;
    QSpinBox* size_;
    QCheckBox* bold_;
    QCheckBox* italic_;
    QCheckBox* underline_;
    QCheckBox* strike_;
    QPushButton* colorButton_;
    TColor color_ = clBlack;
    int loadedSize_ = 0;
};

} // namespace winlib
