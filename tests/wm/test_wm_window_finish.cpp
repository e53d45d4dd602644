// The main window as a person meets it under a window manager: every caption whole beside its
// controls, the text-item window beside what it edits, the hint panel's width, the wheel over the
// preview, the opacity bar's position tip and the busy cursor while a large picture loads.
#include "WmSupport.h"

#include "CursorWatch.h"

#include "shell/AboutUnit.h"
#include "shell/SecondaryForms.h"
#include "shell/Unit1.h"
#include "winlib/DialogScript.h"
#include "winlib/qt/ControlImpl.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWidget>

#include <zlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

namespace {

using namespace wm;

QWidget* WidgetOf(TControl* c) {
    return c->Impl()->Widget();
}

// The widget's rectangle in its parent widget, as drawn.
XRect Drawn(TControl* c) {
    const QRect r = WidgetOf(c)->geometry();
    return XRect{r.x(), r.y(), r.width(), r.height()};
}

// A control's rectangle on the screen.
XRect OnScreenRect(TControl* c) {
    const TPoint p = OnScreen(c, 0, 0);
    return XRect{p.x, p.y, WidgetOf(c)->width(), WidgetOf(c)->height()};
}

bool Intersect(const XRect& a, const XRect& b) {
    return a.x < b.Right() && b.x < a.Right() && a.y < b.Bottom() && b.y < a.Bottom();
}

void CollectLabels(TWinControl* parent, std::vector<TLabel*>& out) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (auto* l = dynamic_cast<TLabel*>(c)) out.push_back(l);
        if (auto* w = dynamic_cast<TWinControl*>(c)) CollectLabels(w, out);
    }
}

// The pages of the main window that hold the control, made the shown ones, so that the control is
// drawn: a frame type's page shows once the frame type is chosen, the text page once it is the
// stored paper kind.
bool ShowPageOf(TControl* c) {
    for (TWinControl* p = c->Parent(); p; p = p->Parent())
        if (auto* sheet = dynamic_cast<TTabSheet*>(p)) {
            sheet->PageControl()->SetActivePage(sheet);
            if (sheet->PageControl() == Form1->PageControl5) Form1->PageControl5->SetVisible(true);
        }
    return WaitUntil([c] { return WidgetOf(c)->isVisible(); });
}

class WmWindowFinish : public WmTest {};

// Each caption's text, measured in the font its label is drawn with, fits inside the label and
// its parent and ends before the next control on its row begins. Returns the labels checked.
int ExpectCaptionsWhole(TWinControl* window) {
    std::vector<TLabel*> labels;
    CollectLabels(window, labels);
    int checked = 0;
    for (TLabel* label : labels) {
        if (label->Caption().empty() || !label->Visible() || !ShowPageOf(label)) continue;
        SCOPED_TRACE(window->Name() + ": " + label->Name() + " \"" + label->Caption() + "\"");
        QWidget* w = WidgetOf(label);
        const QString text = QString::fromUtf8(label->Caption().c_str());
        const int textWidth = QFontMetrics(w->font()).horizontalAdvance(text);
        const XRect r = Drawn(label);
        const int textRight = r.x + textWidth;
        EXPECT_GE(r.width, textWidth) << "the label is narrower than its text";
        EXPECT_LE(textRight, w->parentWidget()->width()) << "the text runs past its parent's edge";
        TWinControl* parent = label->Parent();
        for (int i = 0; i < parent->ControlCount(); ++i) {
            TControl* other = parent->Controls(i);
            if (other == label || !other->Visible()) continue;
            const XRect o = Drawn(other);
            const bool sameRow = o.y < r.Bottom() && r.y < o.Bottom();
            if (sameRow && o.x > r.x) {
                EXPECT_LE(textRight, o.x) << "covered by " << other->Name() << " at " << o;
            }
        }
        ++checked;
    }
    return checked;
}

TEST_F(WmWindowFinish, EveryCaptionOfTheMainWindowShowsWhole) {
    EXPECT_GT(ExpectCaptionsWhole(Form1), 40);
    Form1->PageControl5->SetVisible(false);
}

TEST_F(WmWindowFinish, EveryCaptionOfTheTextItemWindowAndTheAboutBoxShowsWhole) {
    Form1->ToolButton9Click(Form1->ToolButton9);
    ASSERT_TRUE(WaitShownAndActive(MojiPanel));
    EXPECT_GT(ExpectCaptionsWhole(MojiPanel), 4);
    Form1->ToolButton10Click(Form1->ToolButton10);
    MojiPanel->Hide();
    Form1->About1Click(Form1);
    ASSERT_TRUE(WaitShownAndActive(AboutBox));
    EXPECT_GT(ExpectCaptionsWhole(AboutBox), 2);
    Screenshot("wm-about-box.png");
}

void CollectChecks(TWinControl* parent, std::vector<TButtonControl*>& out) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (dynamic_cast<TCheckBox*>(c) || dynamic_cast<TRadioButton*>(c))
            out.push_back(static_cast<TButtonControl*>(c));
        if (auto* w = dynamic_cast<TWinControl*>(c)) CollectChecks(w, out);
    }
}

// A check box's or radio button's caption, after its mark, fits inside the control and its parent.
TEST_F(WmWindowFinish, EveryCheckAndRadioCaptionShowsWhole) {
    std::vector<TButtonControl*> buttons;
    CollectChecks(Form1, buttons);
    ASSERT_GT(buttons.size(), 20u);
    for (TButtonControl* b : buttons) {
        if (b->Caption().empty() || !b->Visible() || !ShowPageOf(b)) continue;
        SCOPED_TRACE(b->Name() + " \"" + b->Caption() + "\"");
        QWidget* w = WidgetOf(b);
        const bool radio = dynamic_cast<TRadioButton*>(b) != nullptr;
        QStyle* style = w->style();
        const int mark =
            style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth,
                               nullptr, w) +
            style->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing,
                               nullptr, w);
        const int need =
            mark + QFontMetrics(w->font()).horizontalAdvance(QString::fromUtf8(b->Caption().c_str()));
        const XRect r = Drawn(b);
        EXPECT_GE(r.width, need);
        EXPECT_LE(r.x + need, w->parentWidget()->width()) << "the caption runs past its parent's edge";
    }
    Form1->PageControl5->SetVisible(false);
}

TEST_F(WmWindowFinish, TextItemWindowOpensBesideTheListAndItsButtons) {
    ASSERT_TRUE(ShowPageOf(Form1->TntListBox1));
    ClickControl(Form1->ToolButton9);
    ASSERT_TRUE(WaitShownAndActive(MojiPanel));
    const Window panel = WindowOf(MojiPanel);
    XRect frame;
    // Once the window manager has framed it where the program asked.
    EXPECT_TRUE(WaitUntil([&] {
        frame = FrameGeometry(panel);
        return frame.x == MojiPanel->Left() && frame.y == MojiPanel->Top();
    })) << frame;
    for (TControl* c :
         std::initializer_list<TControl*>{Form1->ToolButton9, Form1->ToolButton10, Form1->TntListBox1})
        EXPECT_FALSE(Intersect(frame, OnScreenRect(c))) << "covers " << c->Name() << " " << OnScreenRect(c);
    const XRect screen = ScreenRect();
    EXPECT_GE(frame.x, screen.x);
    EXPECT_GE(frame.y, screen.y);
    EXPECT_LE(frame.Right(), screen.Right());
    EXPECT_LE(frame.Bottom(), screen.Bottom());
    Screenshot("wm-text-item-window.png");
    // The item goes again.
    Form1->TntListBox1->SetItemIndex(Form1->TntListBox1->ItemCount() - 1);
    Form1->ToolButton10Click(Form1->ToolButton10);
}

// The hint panel is the white panel at the status bar's left: its width as drawn, in pixels
// read from the screen.
int DrawnHintPanelWidth() {
    TStatusBar* bar = Form1->StatusBar1;
    const TPoint left = OnScreen(bar, 0, bar->Height() / 2);
    const std::vector<uint32_t> row = Grab(XRect{left.x, left.y, WidgetOf(bar)->width(), 1});
    // White, and the blue hint text smoothed into it: full blue in every pixel of the panel.
    auto inPanel = [&](size_t x) { return (row[x] & 0xFF) >= 0xF8; };
    size_t first = 0;
    while (first < row.size() && !inPanel(first))
        ++first;
    size_t end = first;
    while (end < row.size() && inPanel(end))
        ++end;
    return static_cast<int>(end - first);
}

TEST_F(WmWindowFinish, HintPanelHasOneWidthAtAFirstStartAndAfterARestart) {
    for (const char* start : {"first start", "restart"}) {
        SCOPED_TRACE(start);
        if (std::string(start) == "first start") {
            Program::End();
            Program::Get();
        } else {
            Program::Restart();
        }
        const int client = ClientGeometry(WindowOf(Form1)).width;
        int drawn = 0;
        // The status bar's panels, as the window came up, widened by nobody.
        EXPECT_TRUE(WaitUntil([&] {
            drawn = DrawnHintPanelWidth();
            return std::abs(drawn - (client - 400)) <= 4;
        })) << "hint panel "
            << drawn << " pixels in a window " << client << " wide";
    }
}

// The preview's corner on the screen, which the scroll moves.
TPoint PreviewCorner() {
    return OnScreen(Form1->PreViewBox, 0, 0);
}

void WheelOverPreview(int Button, bool Shift) {
    const TPoint p = OnScreen(Form1->ScrollBox1, 60, 60);
    std::vector<std::string> args{"mousemove", "--sync", std::to_string(p.x), std::to_string(p.y)};
    if (Shift) args.insert(args.end(), {"keydown", "shift"});
    args.insert(args.end(), {"click", std::to_string(Button)});
    if (Shift) args.insert(args.end(), {"keyup", "shift"});
    Xdotool(args);
}

TEST_F(WmWindowFinish, WheelPansThePreviewAndShiftWheelPansItSideways) {
    // At 100 % the page is larger than the box both ways.
    Form1->ComboBox1->SetItemIndex(0);
    Form1->ComboBox1Change(Form1->ComboBox1);
    ASSERT_TRUE(WaitUntil([] {
        return Form1->PreViewBox->Width() > Form1->ScrollBox1->ClientWidth() &&
               Form1->PreViewBox->Height() > Form1->ScrollBox1->ClientHeight();
    }));
    const TPoint start = PreviewCorner();
    struct Step {
        const char* what;
        int button;
        bool shift;
        int dx, dy; // the sign the corner moves by
    };
    const Step steps[] = {{"wheel down", 5, false, 0, -1},
                          {"wheel up", 4, false, 0, 1},
                          {"shift+wheel down", 5, true, -1, 0},
                          {"shift+wheel up", 4, true, 1, 0}};
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        const TPoint before = PreviewCorner();
        WheelOverPreview(s.button, s.shift);
        TPoint now = before;
        EXPECT_TRUE(WaitUntil([&] {
            now = PreviewCorner();
            return (now.x - before.x) * s.dx > 0 || (now.y - before.y) * s.dy > 0;
        })) << "the preview stayed at "
            << now.x << "," << now.y;
        if (s.dx == 0) {
            EXPECT_EQ(now.x, before.x) << "moved sideways";
        } else {
            EXPECT_EQ(now.y, before.y) << "moved up or down";
        }
    }
    // Back where it started, each way by as much as it went.
    EXPECT_EQ(PreviewCorner().x, start.x);
    EXPECT_EQ(PreviewCorner().y, start.y);
    Form1->ComboBox1->SetItemIndex(5);
    Form1->ComboBox1Change(Form1->ComboBox1);
}

// The tip window the track bar shows, when one is shown.
QWidget* ShownPositionTip() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "TrackBarPositionTip" && w->isVisible()) return w;
    return nullptr;
}

TEST_F(WmWindowFinish, OpacityBarShowsItsPositionAboveTheThumbWhileDragged) {
    TTrackBar* bar = Form1->TrackBar1;
    Form1->PageControl4->SetActivePage(Form1->TabSheet14);
    ASSERT_TRUE(WaitUntil([&] { return WidgetOf(bar)->isVisible(); }));
    auto* slider = static_cast<QSlider*>(WidgetOf(bar));
    QStyleOptionSlider opt;
    opt.initFrom(slider);
    opt.orientation = slider->orientation();
    opt.minimum = slider->minimum();
    opt.maximum = slider->maximum();
    opt.sliderPosition = slider->sliderPosition();
    opt.sliderValue = slider->value();
    opt.tickPosition = slider->tickPosition();
    const QRect thumb =
        slider->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, slider);
    const TPoint grab = OnScreen(bar, thumb.center().x(), thumb.center().y());
    const int startPosition = bar->Position();
    Xdotool({"mousemove", "--sync", std::to_string(grab.x), std::to_string(grab.y), "mousedown", "1",
             "mousemove", "--sync", std::to_string(grab.x + 30), std::to_string(grab.y)});
    QWidget* tip = nullptr;
    EXPECT_TRUE(WaitUntil([&] {
        tip = ShownPositionTip();
        auto* label = dynamic_cast<QLabel*>(tip);
        return label && bar->Position() != startPosition && label->text() == QString::number(bar->Position());
    })) << "position "
        << bar->Position();
    if (tip) {
        const QPoint thumbTop = slider->mapToGlobal(thumb.topLeft());
        EXPECT_LE(tip->frameGeometry().bottom(), thumbTop.y()) << "the tip is not above the thumb";
    }
    Screenshot("wm-opacity-tip.png");
    Xdotool({"mouseup", "1"});
    EXPECT_TRUE(WaitUntil([] { return ShownPositionTip() == nullptr; })) << "the tip stays after the drag";
    bar->SetPosition(startPosition);
    Form1->PageControl4->SetActivePage(Form1->TabSheet13);
}

// A grey PNG of one bit a pixel, all black: small on disk, large to decode.
void WriteLargePng(const std::string& path, uint32_t side) {
    auto be32 = [](std::string& s, uint32_t v) {
        for (int shift = 24; shift >= 0; shift -= 8)
            s += static_cast<char>((v >> shift) & 0xFF);
    };
    auto chunk = [&](std::string& out, const char* type, const std::string& data) {
        be32(out, static_cast<uint32_t>(data.size()));
        std::string body = std::string(type, 4) + data;
        out += body;
        be32(out, static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.data()), body.size())));
    };
    std::string ihdr;
    be32(ihdr, side);
    be32(ihdr, side);
    ihdr += std::string("\x01\x00\x00\x00\x00", 5); // depth 1, grey, deflate, filter 0, no interlace
    const std::string raw(static_cast<size_t>(side) * (1 + (side + 7) / 8), '\0');
    uLongf packedSize = compressBound(raw.size());
    std::string packed(packedSize, '\0');
    ASSERT_EQ(compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                        reinterpret_cast<const Bytef*>(raw.data()), raw.size(), 1),
              Z_OK);
    packed.resize(packedSize);
    std::string png("\x89PNG\r\n\x1a\n", 8);
    chunk(png, "IHDR", ihdr);
    chunk(png, "IDAT", packed);
    chunk(png, "IEND", "");
    std::ofstream(path, std::ios::binary) << png;
}

TEST_F(WmWindowFinish, BusyCursorShowsWhileALargePictureLoadsAndGoesOnEveryPath) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "ruliform-wm-busy";
    std::filesystem::create_directories(folder);
    const std::string large = (folder / "large.png").string(), broken = (folder / "broken.png").string();
    WriteLargePng(large, 16384);
    std::ofstream(broken, std::ios::binary) << std::string("\x89PNG\r\n\x1a\nnot a picture", 21);
    struct Case {
        const char* what;
        std::string file;
        bool loads;
    };
    for (const Case& c : {Case{"large picture", large, true}, Case{"broken picture", broken, false}}) {
        SCOPED_TRACE(c.what);
        DialogAnswer open;
        open.Kind = DialogKind::OpenPicture;
        open.Text = c.file;
        ScriptDialogAnswer(open);
        ShownMessages().clear();
        CursorWatch watch;
        Form1->Button6Click(Form1->Button6);
        const bool sawBusy = watch.Stop();
        if (c.loads) {
            EXPECT_TRUE(sawBusy) << "no busy cursor while the picture loaded";
            EXPECT_EQ(Form1->BGImage, c.file);
            EXPECT_TRUE(ShownMessages().empty());
        } else {
            EXPECT_EQ(ShownMessages().size(), 1u) << "the refusal is told";
        }
        EXPECT_EQ(Screen->Cursor(), crDefault);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the busy cursor stays over the windows";
    }
    Form1->Button9Click(Form1->Button9);
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
}

} // namespace
