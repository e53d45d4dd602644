// A small modal form: printer, and either the output file (print) or paper and orientation (setup).
#include "winlib/widgetset/WSDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

QString Q(const AnsiString& s) {
    return QString::fromStdString(s);
}

// The papers of the printer at Index, Selected chosen when it is among them (nothing chosen
// otherwise: that printer's own default then applies).
void FillPapers(QComboBox* papers, TPrinter* p, int index, const AnsiString& selected) {
    const QSignalBlocker quiet(papers);
    papers->clear();
    for (const AnsiString& name : PrinterChoicePapers(p, index))
        papers->addItem(Q(name));
    papers->setCurrentIndex(papers->findText(Q(selected)));
}

} // namespace

bool ws::RunPrinterChoiceForm(TPrinterChoiceKind Kind, TPrinter* P, TPrinterChoice& Choice) {
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(Kind == TPrinterChoiceKind::Print ? "印刷" : "プリンターの設定");
    auto* form = new QFormLayout(&dialog);

    auto* printers = new QComboBox(&dialog);
    for (const AnsiString& name : P->Printers().Items())
        printers->addItem(Q(name));
    printers->setCurrentIndex(P->PrinterIndex());
    form->addRow("プリンター名(&N):", printers);
    const int pdfIndex = P->Printers().IndexOf(PdfPrinterName);

    QLineEdit* file = nullptr;
    QComboBox* papers = nullptr;
    QComboBox* orientation = nullptr;
    if (Kind == TPrinterChoiceKind::Print) {
        file = new QLineEdit(Q(P->OutputFileName()), &dialog);
        auto* browse = new QPushButton("参照(&B)...", &dialog);
        auto* row = new QHBoxLayout;
        row->addWidget(file);
        row->addWidget(browse);
        // A row of two widgets has no buddy of its own: the label points at the file name.
        auto* fileLabel = new QLabel("出力ファイル(&F):", &dialog);
        fileLabel->setBuddy(file);
        form->addRow(fileLabel, row);
        auto enableFile = [=](int index) {
            file->setEnabled(index == pdfIndex);
            browse->setEnabled(index == pdfIndex);
        };
        enableFile(printers->currentIndex());
        QObject::connect(printers, &QComboBox::currentIndexChanged, &dialog, enableFile);
        QObject::connect(browse, &QPushButton::clicked, &dialog, [&dialog, file] {
            const QString name =
                QFileDialog::getSaveFileName(&dialog, "出力ファイル", file->text(), "PDF (*.pdf)");
            if (!name.isEmpty()) file->setText(name);
        });
    } else {
        papers = new QComboBox(&dialog);
        FillPapers(papers, P, P->PrinterIndex(), P->PaperName());
        form->addRow("用紙サイズ(&Z):", papers);
        // Another printer offers its own papers; the one chosen stays when it has it too.
        QObject::connect(printers, &QComboBox::currentIndexChanged, &dialog, [=](int index) {
            FillPapers(papers, P, index, papers->currentText().toStdString());
        });
        orientation = new QComboBox(&dialog);
        orientation->addItems({"縦", "横"});
        orientation->setCurrentIndex(P->Orientation() == poLandscape ? 1 : 0);
        form->addRow("印刷の向き(&O):", orientation);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);

    if (dialog.exec() != QDialog::Accepted) return false;
    Choice.PrinterName = printers->currentText().toStdString();
    if (file) Choice.FileName = file->text().toStdString();
    if (papers) Choice.PaperName = papers->currentText().toStdString();
    if (orientation) Choice.Orientation = orientation->currentIndex() == 1 ? poLandscape : poPortrait;
    return true;
}
