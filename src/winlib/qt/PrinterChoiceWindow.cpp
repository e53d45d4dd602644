#include "PrinterChoiceWindow.h"
#include "ControlImpl.h"
#include "FileDialogTexts.h"
#include "JapaneseTexts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QStylePainter>

#include <algorithm>

namespace winlib {

namespace {

QString U(const char* s) {
    return QString::fromUtf8(s);
}

// How many characters of a printer's name the closed list shows: queue names are usually much
// shorter; a longer one would otherwise stretch the whole window.
constexpr int kNameChars = 32;

// How the list shows a paper: the sheets with English names in Japanese, the others (A4, B5, a
// queue's own names) as they are called. The name itself stays what the window gives back.
QString PaperCaption(const AnsiString& name) {
    if (name == "Letter") return U("レター");
    if (name == "Legal") return U("リーガル");
    return ToQString(name);
}

// The printer list, whose closed face cuts a name too long for it in the middle, where queue
// names that share a beginning still differ at their ends.
class PrinterList : public QComboBox {
  public:
    using QComboBox::QComboBox;

  protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        const QRect text =
            style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
        option.currentText = fontMetrics().elidedText(option.currentText, Qt::ElideMiddle, text.width() - 2);
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    }
};

// The papers of the printer at Index, Selected chosen when it is among them (nothing chosen
// otherwise: that printer's own default then applies).
void FillPapers(QComboBox* papers, TPrinter* p, int index, const AnsiString& selected) {
    const QSignalBlocker quiet(papers);
    papers->clear();
    for (const AnsiString& name : PrinterChoicePapers(p, index))
        papers->addItem(PaperCaption(name), ToQString(name));
    papers->setCurrentIndex(papers->findData(ToQString(selected)));
}

AnsiString PaperName(const QComboBox* papers) {
    return FromQString(papers->currentData().toString());
}

} // namespace

PrinterChoiceWindow::PrinterChoiceWindow(TPrinterChoiceKind Kind, TPrinter* P, QWidget* Parent)
    : QDialog(Parent) {
    setWindowTitle(Kind == TPrinterChoiceKind::Print ? U("印刷") : U("プリンターの設定"));
    auto* form = new QFormLayout(this);

    printers_ = new PrinterList(this);
    printers_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    printers_->setMinimumContentsLength(kNameChars);
    for (const AnsiString& name : P->Printers().Items()) {
        printers_->addItem(ToQString(name));
        printers_->setItemData(printers_->count() - 1, ToQString(name), Qt::ToolTipRole);
    }
    printers_->setCurrentIndex(P->PrinterIndex());
    form->addRow(U("プリンター名(&N):"), printers_);
    ShowWholeNames();

    if (Kind == TPrinterChoiceKind::Print)
        AddFileRow(P);
    else
        AddPaperRows(P);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(U(kOkText), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(U(kCancelText), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

// The chosen name whole in the closed list's tip, and the open list as wide as the longest name
// (within the screen), since the closed face may cut it short.
void PrinterChoiceWindow::ShowWholeNames() {
    auto tip = [this] { printers_->setToolTip(printers_->currentText()); };
    tip();
    connect(printers_, &QComboBox::currentIndexChanged, this, tip);
    const QFontMetrics metrics(printers_->view()->font());
    int widest = 0;
    for (int i = 0; i < printers_->count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(printers_->itemText(i)));
    int width = widest + 4 * metrics.averageCharWidth();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        width = std::min(width, screen->availableGeometry().width());
    printers_->view()->setMinimumWidth(width);
    printers_->view()->setTextElideMode(Qt::ElideMiddle);
}

void PrinterChoiceWindow::AddFileRow(TPrinter* p) {
    const int pdfIndex = p->Printers().IndexOf(PdfPrinterName);
    file_ = new QLineEdit(ToQString(p->OutputFileName()), this);
    auto* browse = new QPushButton(U("参照(&B)..."), this);
    auto* row = new QHBoxLayout;
    row->addWidget(file_);
    row->addWidget(browse);
    // A row of two widgets has no buddy of its own: the label points at the file name.
    auto* fileLabel = new QLabel(U("出力ファイル(&F):"), this);
    fileLabel->setBuddy(file_);
    static_cast<QFormLayout*>(layout())->addRow(fileLabel, row);
    auto enableFile = [this, browse, pdfIndex](int index) {
        file_->setEnabled(index == pdfIndex);
        browse->setEnabled(index == pdfIndex);
    };
    enableFile(printers_->currentIndex());
    connect(printers_, &QComboBox::currentIndexChanged, this, enableFile);
    connect(browse, &QPushButton::clicked, this, [this] {
        QFileDialog dialog(this, U("出力ファイル"), file_->text(), U("PDF (*.pdf)"));
        UseJapaneseFileDialog(dialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix("pdf");
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            file_->setText(dialog.selectedFiles().first());
    });
}

void PrinterChoiceWindow::AddPaperRows(TPrinter* p) {
    auto* form = static_cast<QFormLayout*>(layout());
    papers_ = new QComboBox(this);
    FillPapers(papers_, p, p->PrinterIndex(), p->PaperName());
    form->addRow(U("用紙サイズ(&Z):"), papers_);
    // Another printer offers its own papers; the one chosen stays when it has it too.
    connect(printers_, &QComboBox::currentIndexChanged, this,
            [this, p](int index) { FillPapers(papers_, p, index, PaperName(papers_)); });
    orientation_ = new QComboBox(this);
    orientation_->addItems({U("縦"), U("横")});
    orientation_->setCurrentIndex(p->Orientation() == poLandscape ? 1 : 0);
    form->addRow(U("印刷の向き(&O):"), orientation_);
}

TPrinterChoice PrinterChoiceWindow::Choice() const {
    TPrinterChoice choice;
    choice.PrinterName = FromQString(printers_->currentText());
    if (file_) choice.FileName = FromQString(file_->text());
    if (papers_) choice.PaperName = PaperName(papers_);
    if (orientation_) choice.Orientation = orientation_->currentIndex() == 1 ? poLandscape : poPortrait;
    return choice;
}

} // namespace winlib
