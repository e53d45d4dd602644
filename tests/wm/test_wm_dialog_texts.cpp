// What every dialog and box the program opens says, read from the real windows on the screen:
// its buttons as the program's own forms caption theirs, and no English word anywhere in the
// dialogs of the window layer and the toolkit.
//
// With RULIFORM_WM_SCREENSHOTS naming a folder, each dialog is also photographed there, for a
// person to look at.
#include "WmSupport.h"

#include "editors/Unit7.h"
#include "editors/Unit8.h"
#include "shell/AboutUnit.h"
#include "shell/SecondaryForms.h"
#include "shell/Unit1.h"
#include "winlib/DialogScript.h"
#include "winlib/Dialogs.h"
#include "winlib/MessageBoxImpl.h"
#include "winlib/qt/AppImpl.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>

namespace {

using namespace wm;

// What a window shows: its title, the captions of its push buttons (sorted, accelerator marks
// removed as the screen shows them) and every other text a person can read in it.
struct Shown {
    std::string title;
    std::vector<std::string> buttons;
    std::vector<std::string> texts;
};

std::string Plain(QString s) {
    // "&&" shows one ampersand, a lone "&" marks the accelerator.
    s.replace("&&", QString(QChar(0xE000)));
    s.remove('&');
    s.replace(QChar(0xE000), '&');
    return s.toStdString();
}

// A label may hold rich text: its words are what counts.
std::string LabelText(const QLabel* l) {
    if (!Qt::mightBeRichText(l->text())) return Plain(l->text());
    QTextDocument doc;
    doc.setHtml(l->text());
    return Plain(doc.toPlainText());
}

Shown ReadWindow(QWidget* top) {
    Shown s;
    s.title = top->windowTitle().toStdString();
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets.prepend(top);
    for (QWidget* w : widgets) {
        if (!w->isVisible()) continue;
        if (!w->toolTip().isEmpty()) s.texts.push_back(Plain(w->toolTip()));
        if (auto* b = qobject_cast<QPushButton*>(w))
            s.buttons.push_back(Plain(b->text()));
        else if (auto* a = qobject_cast<QAbstractButton*>(w))
            s.texts.push_back(Plain(a->text()));
        else if (auto* l = qobject_cast<QLabel*>(w))
            s.texts.push_back(LabelText(l));
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            s.texts.push_back(Plain(g->title()));
        else if (auto* c = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < c->count(); ++i)
                s.texts.push_back(c->itemText(i).toStdString());
        } else if (auto* e = qobject_cast<QLineEdit*>(w))
            s.texts.push_back(e->placeholderText().toStdString());
        else if (auto* t = qobject_cast<QTreeView*>(w)) {
            // A file list: what it says of each entry (the names are the user's).
            for (int r = 0; t->model() && r < t->model()->rowCount(t->rootIndex()); ++r)
                for (int col = 1; col < t->model()->columnCount(t->rootIndex()); ++col)
                    if (!t->isColumnHidden(col))
                        s.texts.push_back(
                            t->model()->index(r, col, t->rootIndex()).data().toString().toStdString());
        } else if (auto* h = qobject_cast<QHeaderView*>(w)) {
            for (int i = 0; h->model() && i < h->count(); ++i)
                if (!h->isSectionHidden(i))
                    s.texts.push_back(h->model()->headerData(i, h->orientation()).toString().toStdString());
        }
    }
    std::sort(s.buttons.begin(), s.buttons.end());
    return s;
}

// The English words in Text: runs of two or more Latin letters, bar the names and abbreviations
// that are the same in a Japanese window (the program's name, its PDF printer, file kinds, the
// picture filter's own "Png Format"), file patterns, paths and units after a number.
std::vector<std::string> EnglishWords(const std::string& Text) {
    static const std::set<std::string> kept = {"OK",  "PDF",    "HTML", "JPEG", "PNG", "Ruliform",
                                               "Png", "Format", "Alt",  "KB",   "MB",  "GB"};
    QString text = QString::fromStdString(Text);
    text.remove(QRegularExpression("\\*\\.[A-Za-z]+|(^|\\s)/\\S*|(?<=[0-9])(mm|px|pt)"));
    std::vector<std::string> found;
    const QRegularExpression word("[A-Za-z]{2,}");
    for (auto m = word.globalMatch(text); m.hasNext();) {
        const std::string w = m.next().captured().toStdString();
        if (!kept.count(w)) found.push_back(w);
    }
    return found;
}

void ExpectNoEnglish(const Shown& s) {
    std::vector<std::string> all = s.texts;
    all.push_back(s.title);
    all.insert(all.end(), s.buttons.begin(), s.buttons.end());
    for (const std::string& t : all)
        EXPECT_TRUE(EnglishWords(t).empty()) << "\"" << t << "\" in \"" << s.title << "\"";
}

void Photograph(const std::string& name) {
    const char* folder = std::getenv("RULIFORM_WM_SCREENSHOTS");
    if (folder && *folder) Screenshot(std::string(folder) + "/" + name + ".png");
}

// A file list that has read its folder (it reads it in the background), or none.
bool ListsWhatItShows(QWidget* top) {
    for (QTreeView* t : top->findChildren<QTreeView*>())
        if (t->isVisible() && t->model() && t->model()->rowCount(t->rootIndex()) == 0) return false;
    return true;
}

// The window on the screen: mapped, framed by the window manager, active, and its lists filled.
bool OnTheScreen(QWidget* w) {
    return WaitUntil([w] {
        // The toolkit's own window of the widget: a box may share its title with the main window.
        const Window x = w->isVisible() ? static_cast<Window>(w->winId()) : 0;
        if (!(x && Viewable(x) && Framed(x))) return false;
        // On a busy machine the window manager may map a box the program opened by itself
        // without focusing it; a person would click on it.
        if (ActiveWindow() != x && !WaitUntil([x] { return ActiveWindow() == x; }, 2000)) Activate(x);
        return ActiveWindow() == x && ListsWhatItShows(w);
    });
}

// Runs Open, which shows a modal window of the layer or the toolkit and returns when it closes,
// and reads what that window shows once it is on the screen. The window is then cancelled.
Shown WhileModalWindow(const std::string& name, const std::function<void()>& Open) {
    struct State {
        QWidget* before = QApplication::activeModalWidget();
        Shown shown;
        bool read = false;
        bool over = false; // Open has returned: nothing left to read
        int polls = 0;
    };
    auto state = std::make_shared<State>();
    // Polls without blocking until the window is up: Open may handle events before it shows it.
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [state, again = std::weak_ptr(poll), name] {
        if (state->over) return;
        QWidget* w = QApplication::activeModalWidget();
        if (!w || w == state->before || !w->isVisible()) {
            if (auto next = again.lock(); next && ++state->polls < 2000) QTimer::singleShot(10, *next);
            return;
        }
        state->read = true;
        EXPECT_TRUE(OnTheScreen(w)) << name << " did not come up";
        state->shown = ReadWindow(w);
        Photograph(name);
        if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
    };
    QTimer::singleShot(0, *poll);
    struct Over {
        State& s;
        ~Over() { s.over = true; }
    } over{*state};
    Open();
    EXPECT_TRUE(state->read) << name << " was not shown";
    return state->shown;
}

class WmDialogTexts : public WmTest {
  protected:
    // The dialogs appear for real, with nobody's answer scripted.
    void SetUp() override {
        WmTest::SetUp();
        ForceDialogsHeadless(false);
    }
    void TearDown() override {
        ForceDialogsHeadless(true);
        WmTest::TearDown();
    }
};

// The window layer's dialogs and the toolkit's: what their buttons say exactly where the layer
// captions them, and no English anywhere in them.
TEST_F(WmDialogTexts, EveryLayerDialogIsJapanese) {
    namespace fs = std::filesystem;
    const fs::path pictures = fs::temp_directory_path() / "ruliform-wm-pictures";
    fs::create_directories(pictures / "写真");
    std::ofstream(pictures / "背景.png") << "not looked at";

    struct Case {
        const char* name;
        std::function<void()> open;
        std::vector<std::string> buttons; // empty: Qt's own set, checked for English only
        std::vector<std::string> mustHave;
    };
    const Case cases[] = {
        {"print-setup", [] { Form1->PrintSetupExecute(Form1); }, {"OK", "キャンセル"}, {}},
        {"print", [] { Form1->PrintOutExecute(Form1); }, {"OK", "キャンセル", "参照(B)..."}, {}},
        {"colour", [] { Form1->Button3Click(Form1->Button3); }, {}, {"OK", "キャンセル"}},
        {"font",
         [] {
             Form1->ToolButton9Click(Form1->ToolButton9);
             MojiPanel->TntButton1Click(MojiPanel->TntButton1);
         },
         {"", "OK", "キャンセル"},
         {}},
        {"open-picture",
         [&] {
             Form1->OpenPictureDialog1->SetInitialDir(pictures.string());
             Form1->Button6Click(Form1->Button6);
         },
         {},
         {"キャンセル"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Shown s = WhileModalWindow(c.name, c.open);
        if (!c.buttons.empty()) {
            std::vector<std::string> expected = c.buttons;
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(s.buttons, expected);
        }
        for (const std::string& b : c.mustHave)
            EXPECT_NE(std::find(s.buttons.begin(), s.buttons.end(), b), s.buttons.end()) << b;
        ExpectNoEnglish(s);
        Program::Get().Reset();
    }
    std::error_code ec;
    fs::remove_all(pictures, ec);
}

TEST_F(WmDialogTexts, MessageBoxesSayOkCancelYesAndNoInJapanese) {
    struct Case {
        const char* name;
        std::function<void()> open;
        std::vector<std::string> buttons;
    };
    const Case cases[] = {
        {"message", [] { ShowMessage("負の太さの線は設定できません（0mm以上）"); }, {"OK"}},
        {"error", [] { winlib::ShowExceptionBox("Ruliform", "プリンターが見つかりません。"); }, {"OK"}},
        {"ok-box", [] { MessageBox("確認", "Ruliform", MB_OK); }, {"OK"}},
        {"ok-cancel", [] { MessageBox("続けますか？", "Ruliform", MB_OKCANCEL); }, {"OK", "キャンセル"}},
        {"yes-no", [] { MessageBox("ダウンロードしますか？", "Ruliform", MB_YESNO); }, {"はい", "いいえ"}},
        {"yes-no-cancel",
         [] { MessageBox("保存しますか？", "Ruliform", MB_YESNOCANCEL); },
         {"はい", "いいえ", "キャンセル"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Shown s = WhileModalWindow(c.name, c.open);
        std::vector<std::string> expected = c.buttons;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(s.buttons, expected);
        ExpectNoEnglish(s);
    }
}

// The program's own forms caption their buttons in the same words.
TEST_F(WmDialogTexts, TheProgramsOwnFormsCaptionTheirButtonsAlike) {
    struct Case {
        const char* name;
        TForm* (*form)();
        bool modal;
        void (*open)();
        std::vector<std::string> buttons;
    };
    const Case cases[] = {
        {"about", []() -> TForm* { return AboutBox; }, false, [] { Form1->About1Click(Form1); }, {"OK"}},
        {"mark-font",
         []() -> TForm* { return Form7; },
         true,
         [] { Form1->Button10Click(Form1->Button10); },
         {"OK", "キャンセル"}},
        {"text-item",
         []() -> TForm* { return MojiPanel; },
         false,
         [] { Form1->ToolButton9Click(Form1->ToolButton9); },
         {"フォント変更"}},
        {"download",
         []() -> TForm* { return Form6; },
         false,
         [] { Form6->Show(); },
         {"ダウンロード", "キャンセル", "検索"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TForm* form = c.form();
        Shown s;
        auto read = [&] {
            ASSERT_TRUE(WaitShownAndActive(form));
            s = ReadWindow(winlib::FormWidget(form));
            Photograph(c.name);
        };
        if (c.modal)
            WhileModal(form, c.open, read);
        else {
            c.open();
            read();
        }
        std::vector<std::string> expected = c.buttons;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(s.buttons, expected);
        for (const std::string& b : s.buttons)
            EXPECT_TRUE(EnglishWords(b).empty()) << b;
        Program::Get().Reset();
    }
}

} // namespace
