// The font dialog's window: family, size in points, style and colour.
#include "FontDialogWindow.h"
#include "JapaneseTexts.h"

#include "winlib/Forms.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

namespace winlib {

namespace {
QString Q(const char* s) {
    return QString::fromUtf8(s);
}
} // namespace

FontDialogWindow::FontDialogWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(Q("フォント"));
    families_ = new QListWidget(this);
    size_ = new QSpinBox(this);
    // Sizes a font height can hold at the screen's resolution.
    size_->setRange(1, 1638);
    bold_ = new QCheckBox(Q("太字"), this);
    italic_ = new QCheckBox(Q("斜体"), this);
    underline_ = new QCheckBox(Q("下線"), this);
    strike_ = new QCheckBox(Q("取り消し線"), this);
    colorButton_ = new QPushButton(this);
    colorButton_->setFixedWidth(60);
    connect(colorButton_, &QPushButton::clicked, this, [this] { ChooseColor(); });
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Q(kOkText), QDialogButtonBox::AcceptRole);
    buttons->addButton(Q(kCancelText), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(Q("フォント名"), this), 0, 0);
    grid->addWidget(families_, 1, 0, 6, 1);
    grid->addWidget(new QLabel(Q("サイズ"), this), 0, 1);
    grid->addWidget(size_, 1, 1);
    grid->addWidget(bold_, 2, 1);
    grid->addWidget(italic_, 3, 1);
    grid->addWidget(underline_, 4, 1);
    grid->addWidget(strike_, 5, 1);
    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(new QLabel(Q("色"), this));
    colorRow->addWidget(colorButton_);
    grid->addLayout(colorRow, 6, 1);
    grid->addWidget(buttons, 7, 0, 1, 2);
    SetColor(clBlack);
}

void FontDialogWindow::Load(const TFont& font) {
    families_->clear();
    const QString stored = QString::fromStdString(font.Name());
    const TStringList& installed = Screen->Fonts();
    if (!stored.isEmpty() && installed.IndexOf(font.Name()) < 0) families_->addItem(stored);
    for (int i = 0; i < installed.Count(); ++i)
        families_->addItem(QString::fromStdString(installed[i]));
    const QList<QListWidgetItem*> match = families_->findItems(stored, Qt::MatchExactly);
    if (!match.isEmpty()) families_->setCurrentItem(match.first());
    size_->setValue(font.Size());
    loadedSize_ = size_->value();
    bold_->setChecked(font.Style() & fsBold);
    italic_->setChecked(font.Style() & fsItalic);
    underline_->setChecked(font.Style() & fsUnderline);
    strike_->setChecked(font.Style() & fsStrikeOut);
    SetColor(font.Color());
}

void FontDialogWindow::Store(TFont& font) const {
    if (QListWidgetItem* item = families_->currentItem()) font.SetName(item->text().toStdString());
    // The height is left alone unless the size was changed, so a font whose height has no exact
    // point size comes back unchanged.
    if (size_->value() != loadedSize_) font.SetSize(size_->value());
    TFontStyles style = 0;
    if (bold_->isChecked()) style |= fsBold;
    if (italic_->isChecked()) style |= fsItalic;
    if (underline_->isChecked()) style |= fsUnderline;
    if (strike_->isChecked()) style |= fsStrikeOut;
    font.SetStyle(style);
    font.SetColor(color_);
}

QCheckBox* FontDialogWindow::StyleBox(TFontStyle s) const {
    switch (s) {
    case fsBold:
        return bold_;
    case fsItalic:
        return italic_;
    case fsUnderline:
        return underline_;
    case fsStrikeOut:
        return strike_;
    }
    return nullptr;
}

void FontDialogWindow::SetColor(TColor c) {
    color_ = c;
    const TColor rgb = ColorToRGB(c);
    const QColor q(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
    colorButton_->setStyleSheet(QString("background-color: %1").arg(q.name()));
}

void FontDialogWindow::ChooseColor() {
    const TColor rgb = ColorToRGB(color_);
    const QColor c = QColorDialog::getColor(QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)), this,
                                            Q("色の設定"), QColorDialog::DontUseNativeDialog);
    if (c.isValid()) SetColor(RGB(c.red(), c.green(), c.blue()));
}

} // namespace winlib
