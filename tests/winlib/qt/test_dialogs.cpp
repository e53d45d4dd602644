// Message boxes, the colour, font and open-picture dialogs, answered through the dialog script.
#include "test_forms_support.h"

#include "winlib/Dialogs.h"
#include "winlib/qt/FontDialogWindow.h"
#include "winlib/qt/OpenPictureDialogImpl.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QListView>
#include <QListWidget>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <memory>

namespace {

class Dialogs : public WinlibTest {};

DialogAnswer Answer(DialogKind kind, bool ok) {
    DialogAnswer a;
    a.Kind = kind;
    a.Ok = ok;
    return a;
}

TEST_F(Dialogs, ShowMessageUsesTheApplicationTitleAsCaption) {
    Application->SetTitle("Ruliform");
    ShowMessage("GraphiPaperの例外");
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].Kind, ShownMessageKind::Message);
    EXPECT_EQ(ShownMessages()[0].Caption, "Ruliform");
    EXPECT_EQ(ShownMessages()[0].Text, "GraphiPaperの例外");
}

struct BoxCase {
    unsigned flags;
    int button; // scripted button, 0 = only OK/Cancel given
    bool ok;
    int expected;
};

TEST_F(Dialogs, MessageBoxReturnsTheScriptedButton) {
    const BoxCase cases[] = {
        {MB_YESNO, IDYES, true, IDYES},
        {MB_YESNO, IDNO, true, IDNO},
        {MB_YESNO, 0, true, IDYES},
        {MB_YESNO, 0, false, IDNO},
        {MB_OK, 0, true, IDOK},
        {MB_OKCANCEL, 0, false, IDCANCEL},
        {MB_YESNOCANCEL, IDCANCEL, true, IDCANCEL},
    };
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "flags " << c.flags << " button " << c.button);
        ShownMessages().clear();
        DialogAnswer a = Answer(DialogKind::MessageBox, c.ok);
        a.Button = c.button;
        ScriptDialogAnswer(a);
        EXPECT_EQ(
            MessageBox("プリンターが変更されています。印刷しますか？", "Ruliform - Printerエラー", c.flags),
            c.expected);
        ASSERT_EQ(ShownMessages().size(), 1u);
        EXPECT_EQ(ShownMessages()[0].Kind, ShownMessageKind::MessageBox);
        EXPECT_EQ(ShownMessages()[0].Caption, "Ruliform - Printerエラー");
    }
}

TEST_F(Dialogs, UnansweredOrMisansweredMessageBoxFailsLoudly) {
    EXPECT_THROW(MessageBox("質問", "Ruliform", MB_YESNO), EDialogScript);
    ScriptDialogAnswer(Answer(DialogKind::Color, true));
    EXPECT_THROW(MessageBox("質問", "Ruliform", MB_YESNO), EDialogScript);
    ClearScriptedAnswers();
    DialogAnswer a = Answer(DialogKind::MessageBox, true);
    a.Button = IDOK; // a Yes/No box has no OK
    ScriptDialogAnswer(a);
    EXPECT_THROW(MessageBox("質問", "Ruliform", MB_YESNO), EDialogScript);
}

TEST_F(Dialogs, ColorDialogKeepsItsColourOnCancel) {
    TColorDialog dialog(nullptr);
    dialog.SetColor(0x123456);
    ScriptDialogAnswer(Answer(DialogKind::Color, false));
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), 0x123456);

    DialogAnswer ok = Answer(DialogKind::Color, true);
    ok.Color = clRed;
    ScriptDialogAnswer(ok);
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), clRed);
}

TEST_F(Dialogs, ColorDialogWithoutAnAnswerDoesNotWait) {
    TColorDialog dialog(nullptr);
    EXPECT_THROW(dialog.Execute(), EDialogScript);
}

TEST_F(Dialogs, FontDialogStoresTheAnswerAndCancelKeepsTheFont) {
    TFontDialog dialog(nullptr);
    dialog.Font()->SetName("ＭＳ ゴシック");
    dialog.Font()->SetSize(6);
    ScriptDialogAnswer(Answer(DialogKind::Font, false));
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Font()->Name(), "ＭＳ ゴシック");
    EXPECT_EQ(dialog.Font()->Size(), 6);

    DialogAnswer a = Answer(DialogKind::Font, true);
    a.Value = 12;
    a.Flags = fsBold | fsUnderline;
    a.Color = clBlue;
    ScriptDialogAnswer(a);
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Font()->Name(), "ＭＳ ゴシック"); // no name given: kept
    EXPECT_EQ(dialog.Font()->Size(), 12);
    EXPECT_EQ(dialog.Font()->Style(), fsBold | fsUnderline);
    EXPECT_EQ(dialog.Font()->Color(), clBlue);
}

TEST_F(Dialogs, FontWindowGivesBackAStoredNameThatIsNotInstalled) {
    TFont font;
    font.SetName("ＭＳ Ｐゴシック"); // not a family of this system
    font.SetHeight(-12);
    font.SetStyle(fsItalic);
    font.SetColor(0x00A5FF);
    winlib::FontDialogWindow window;
    window.Load(font);
    ASSERT_NE(window.Families()->currentItem(), nullptr);
    EXPECT_EQ(window.Families()->currentItem()->text().toStdString(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(window.SizeBox()->value(), 9);
    EXPECT_TRUE(window.StyleBox(fsItalic)->isChecked());

    TFont out;
    out.Assign(&font);
    window.StyleBox(fsStrikeOut)->setChecked(true);
    window.Store(out);
    EXPECT_EQ(out.Name(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(out.Height(), -12); // size untouched: the height stays exact
    EXPECT_EQ(out.Style(), fsItalic | fsStrikeOut);
    EXPECT_EQ(out.Color(), 0x00A5FF);

    window.SizeBox()->setValue(18);
    window.Families()->setCurrentRow(window.Families()->count() - 1);
    const std::string chosen = window.Families()->currentItem()->text().toStdString();
    window.Store(out);
    EXPECT_EQ(out.Size(), 18);
    EXPECT_EQ(out.Name(), chosen);
}

const char* const kPictureFilter =
    "すべてのファイル (*.jpg;*.jpeg;*.png;*.bmp;)|*.jpg;*.jpeg;*.png;*.bmp;|JPEG イメージファイル "
    "(*.jpg)|*.jpg|"
    "JPEG イメージファイル (*.jpeg)|*.jpeg|ビットマップ (*.bmp)|*.bmp|Png Format (*.png)|*.png";

TEST_F(Dialogs, PictureFilterBecomesQtNameFilters) {
    const std::vector<winlib::FileFilter> f = winlib::ParseFileFilter(kPictureFilter);
    ASSERT_EQ(f.size(), 5u);
    EXPECT_EQ(f[0].Description, "すべてのファイル (*.jpg;*.jpeg;*.png;*.bmp;)");
    EXPECT_EQ(f[0].Patterns, (std::vector<AnsiString>{"*.jpg", "*.jpeg", "*.png", "*.bmp"}));
    EXPECT_EQ(f[4].Patterns, std::vector<AnsiString>{"*.png"});
    EXPECT_EQ(winlib::QtNameFilter(f[1]), QString::fromUtf8("JPEG イメージファイル (*.jpg) (*.jpg)"));
    EXPECT_TRUE(winlib::ParseFileFilter("").empty());
}

TEST_F(Dialogs, PictureDialogMatchesPatternsWithoutRegardToCase) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"PHOTO.JPG", "scan.Bmp", "notes.txt", "logo.png"}) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    TOpenPictureDialog source(nullptr);
    source.SetFilter(kPictureFilter);
    source.SetInitialDir(dir.path().toStdString());
    QFileDialog dialog;
    winlib::SetUpPictureDialog(dialog, source);
    EXPECT_EQ(dialog.directory().absolutePath(), QDir(dir.path()).absolutePath());
    EXPECT_EQ(dialog.nameFilters().size(), 5);

    // The dialog lists a folder through its filter flags and the selected name filter's patterns
    // (its file model does so in the background); list the folder the same way, at once.
    EXPECT_FALSE(dialog.filter() & QDir::CaseSensitive);
    const QString selected = dialog.nameFilters().first(); // the one the dialog opens with
    const int open = selected.lastIndexOf('('), close = selected.lastIndexOf(')');
    ASSERT_GT(close, open);
    const QStringList patterns =
        selected.mid(open + 1, close - open - 1).split(QRegularExpression("[ ;]"), Qt::SkipEmptyParts);
    QStringList shown = QDir(dir.path()).entryList(patterns, dialog.filter() | QDir::Files);
    shown.sort();
    EXPECT_EQ(shown.join(", ").toStdString(), "PHOTO.JPG, logo.png, scan.Bmp");
}

TEST_F(Dialogs, PictureDialogTakesTheScriptedFileOrKeepsItsNameOnCancel) {
    TOpenPictureDialog dialog(nullptr);
    dialog.SetFileName("/old/picture.png");
    ScriptDialogAnswer(Answer(DialogKind::OpenPicture, false));
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "/old/picture.png");
    DialogAnswer a = Answer(DialogKind::OpenPicture, true);
    a.Text = "/home/user/写真.jpg";
    ScriptDialogAnswer(a);
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "/home/user/写真.jpg");
}

// The menu the toolkit gives every edit field speaks the program's Japanese too.
TEST_F(Dialogs, TheToolkitsOwnMenusAreJapanese) {
    QLineEdit edit;
    edit.setText("10.0");
    std::unique_ptr<QMenu> editMenu(edit.createStandardContextMenu());
    int items = 0;
    ASSERT_TRUE(editMenu);
    for (QAction* a : editMenu->actions()) {
        if (a->isSeparator()) continue;
        ++items;
        // The caption, without its accelerator mark and the shortcut (Ctrl+Z) beside it.
        const QString caption = a->text().section('\t', 0, 0).remove('&');
        EXPECT_FALSE(caption.contains(QRegularExpression("[A-Za-z]{2,}"))) << caption.toStdString();
    }
    EXPECT_GE(items, 6);
}

} // namespace
