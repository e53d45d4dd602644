// The open-picture dialog's window.
#include "AppImpl.h"
#include "FileDialogTexts.h"
#include "OpenPictureDialogImpl.h"
#include "winlib/widgetset/WSDialogs.h"

#include <QFileDialog>
#include <QStringList>

namespace winlib {

QString QtNameFilter(const FileFilter& f) {
    QStringList patterns;
    for (const AnsiString& p : f.Patterns)
        patterns << QString::fromStdString(p);
    if (patterns.isEmpty()) patterns << "*";
    return QString::fromStdString(f.Description) + " (" + patterns.join(' ') + ")";
}

void SetUpPictureDialog(QFileDialog& dialog, const TOpenPictureDialog& source) {
    dialog.setWindowTitle(QString::fromUtf8("開く"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Qt's own dialog, so that patterns match without regard to case on every desktop; the
    // list shows the program's descriptions as they are.
    UseJapaneseFileDialog(dialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    QStringList filters;
    for (const FileFilter& f : ParseFileFilter(source.Filter()))
        filters << QtNameFilter(f);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (!source.InitialDir().empty()) dialog.setDirectory(QString::fromStdString(source.InitialDir()));
    if (!source.FileName().empty()) dialog.selectFile(QString::fromStdString(source.FileName()));
}

} // namespace winlib

bool ws::RunOpenPictureDialog(const TOpenPictureDialog& Dialog, AnsiString& FileName) {
    QFileDialog dialog(winlib::DialogParent());
    winlib::SetUpPictureDialog(dialog, Dialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return false;
    FileName = chosen.first().toStdString();
    return true;
}
