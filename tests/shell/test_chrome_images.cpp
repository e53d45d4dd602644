// The main window's images on the screen: check marks and sub-menu arrows in the owner-drawn
// menus of every scheme, the printer of the status bar, the tool buttons' images, the program's
// icon; and the readable zoom list and the hints of controls and menu items.
#include "MainWindowFixture.h"
#include "ScreenPixels.h"

#include "shell/AboutUnit.h"
#include "shell/ChromeImages.h"
#include "shell/ProgramIcon.h"
#include "winlib/qt/MenuImpl.h"

#include <QMenu>

#include <fstream>

namespace {

int Lightness(QColor c) {
    return (c.red() * 299 + c.green() * 587 + c.blue() * 114) / 1000;
}

// How many pixels of the rectangle are near black (the check mark's strokes, an arrow, text).
int DarkPixels(const QImage& shot, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += Lightness(shot.pixelColor(x, y)) < 60;
    return n;
}

// The opaque pixels of image Index of the list.
QImage ListImage(TImageList* list, int index) {
    TBitmap key;
    key.SetPixelFormat(pf24bit);
    key.SetSize(16, 16);
    key.Canvas()->Brush()->SetColor(clFuchsia);
    key.Canvas()->FillRect(TRect(0, 0, 16, 16));
    list->Draw(key.Canvas(), 0, 0, index);
    QImage img(16, 16, QImage::Format_ARGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const TColor c = key.Canvas()->Pixel(x, y);
            img.setPixelColor(
                x, y, c == clFuchsia ? QColor(0, 0, 0, 0) : QColor(GetRValue(c), GetGValue(c), GetBValue(c)));
        }
    return img;
}

// Whether the shot shows the picture's opaque pixels with its corner at (x, y).
bool ShowsAt(const QImage& shot, const QImage& picture, int x, int y) {
    for (int j = 0; j < picture.height(); ++j)
        for (int i = 0; i < picture.width(); ++i) {
            const QColor p = picture.pixelColor(i, j);
            if (p.alpha() == 0) continue;
            if (shot.pixelColor(x + i, y + j) != p) return false;
        }
    return true;
}

// Whether the shot shows the picture anywhere inside the rectangle.
bool ShowsIn(const QImage& shot, const QImage& picture, const QRect& r) {
    for (int y = r.top(); y + picture.height() <= r.bottom() + 1; ++y)
        for (int x = r.left(); x + picture.width() <= r.right() + 1; ++x)
            if (ShowsAt(shot, picture, x, y)) return true;
    return false;
}

class ChromeImages : public MainWindowTest {
  protected:
    // The settings menu as it shows when opened.
    QImage OpenSettingsMenu(QMenu*& menu) {
        menu = winlib::SubMenu(f->MenuSettings);
        menu->popup(QPoint(10, 10));
        Application->ProcessMessages();
        return menu->grab().toImage();
    }
    static QRect Row(QMenu* menu, TMenuItem* item) { return menu->actionGeometry(winlib::ItemAction(item)); }
};

TEST_F(ChromeImages, CheckedItemsShowTheCheckMarkInEverySkinnedScheme) {
    for (TMenuItem* skin : {f->Skin1, f->Skin2, f->Skin3, f->Skin4, f->Skin5}) {
        skin->Click();
        f->CheckUpdate1->SetChecked(false);
        f->CriticalFocus1->SetChecked(true);
        QMenu* menu = nullptr;
        const QImage shot = OpenSettingsMenu(menu);
        const QRect checked = Row(menu, f->CriticalFocus1), unchecked = Row(menu, f->CheckUpdate1);
        // The check mark sits in the 16 pixels at the menu's left edge.
        EXPECT_GT(DarkPixels(shot, QRect(0, checked.top(), 16, 16)), 10) << skin->Name();
        EXPECT_EQ(DarkPixels(shot, QRect(0, unchecked.top(), 16, 16)), 0) << skin->Name();
        menu->hide();
    }
}

TEST_F(ChromeImages, SelectedCheckedItemKeepsItsCheckMarkOnTheHighlight) {
    for (TMenuItem* skin : {f->Skin1, f->Skin5}) {
        skin->Click();
        TBitmap bmp;
        bmp.SetPixelFormat(pf24bit);
        bmp.SetSize(200, 20);
        f->PrinterSetup1AdvancedDrawItem(f->CriticalFocus1, bmp.Canvas(), TRect(0, 0, 200, 20), odSelected);
        int dark = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                dark += bmp.Canvas()->Pixel(x, y) == clBlack;
        EXPECT_GT(dark, 10) << skin->Name();
    }
}

TEST_F(ChromeImages, SkinItemShowsItsSubMenuArrow) {
    QMenu* menu = nullptr;
    const QImage shot = OpenSettingsMenu(menu);
    const QRect row = Row(menu, f->Skin);
    const QRect arrowArea(row.right() - 14, row.top(), 14, row.height());
    EXPECT_GT(DarkPixels(shot, arrowArea), 5);
    // Items without a sub-menu have none.
    const QRect plain = Row(menu, f->N3);
    EXPECT_EQ(DarkPixels(shot, QRect(plain.right() - 14, plain.top(), 14, plain.height())), 0);
    menu->hide();
}

TEST_F(ChromeImages, ItemsShowTheirImagesOwnerDrawnOrDrawnByTheMenu) {
    // A scheme draws the image at the item's left edge; the standard scheme leaves the items to
    // the menu, which shows the same image where it puts images.
    for (TMenuItem* skin : {f->Skin1, f->Skin0}) {
        skin->Click();
        QMenu* menu = winlib::SubMenu(f->MenuFile);
        menu->popup(QPoint(10, 10));
        Application->ProcessMessages();
        const QImage shot = menu->grab().toImage();
        for (TMenuItem* item : {f->Print1, f->PrinterSetup1, f->Exit1}) {
            const QRect row = menu->actionGeometry(winlib::ItemAction(item));
            const QImage picture = ListImage(f->ImageList1, item->ImageIndex());
            EXPECT_TRUE(skin == f->Skin0 ? ShowsIn(shot, picture, row) : ShowsAt(shot, picture, 0, row.top()))
                << skin->Name() << " " << item->Name();
        }
        menu->hide();
    }
}

TEST_F(ChromeImages, PrinterPanelShowsThePrinter) {
    ASSERT_TRUE(ShowActive(f));
    const QImage printer = ListImage(f->ImageList1, 5);
    EXPECT_TRUE(WaitUntil([&] {
        const QImage bar = GrabClient(f->StatusBar1);
        int left = 0;
        for (int i = 0; i < 3; ++i)
            left += f->StatusBar1->Panels(i)->Width;
        return ShowsIn(bar, printer, QRect(left, 0, 24, bar.height()));
    }));
}

TEST_F(ChromeImages, ToolButtonsShowTheirImagesBesideTheCaption) {
    // The main bars are painted by the scheme, the text page's bar by the library.
    for (TMenuItem* skin : {f->Skin0, f->Skin3}) {
        skin->Click();
        const bool skinned = skin == f->Skin3;
        ASSERT_TRUE(ShowActive(f));
        for (TToolButton* b : {f->ToolButton1, f->ToolButton2, f->ToolZoomButton1, f->ToolZoomButton2,
                               f->ToolButton9, f->ToolButton10}) {
            const QImage shot = GrabClient(b);
            EXPECT_TRUE(
                ShowsIn(shot, ListImage(f->ImageList1, b->ImageIndex()), QRect(0, 0, 24, shot.height())))
                << b->Name() << (skinned ? " skinned" : "");
        }
    }
}

TEST_F(ChromeImages, TheImagesAreDistinctAndTheKnownOnesInPlace) {
    ASSERT_EQ(f->ImageList1->Count(), kImageCount);
    for (int i = 0; i < kImageCount; ++i)
        for (int j = i + 1; j < kImageCount; ++j)
            EXPECT_NE(ListImage(f->ImageList1, i), ListImage(f->ImageList1, j)) << i << " " << j;
    // The check mark is black strokes in a white outline, readable on light and dark items.
    const QImage check = ListImage(f->ImageList1, 8);
    int black = 0, white = 0, other = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QColor c = check.pixelColor(x, y);
            if (c.alpha() == 0) continue;
            (c == QColor(Qt::black) ? black : c == QColor(Qt::white) ? white : other)++;
        }
    EXPECT_GT(black, 15);
    EXPECT_GT(white, 15);
    EXPECT_EQ(other, 0);
    // An index not in the list draws nothing.
    TBitmap bmp;
    bmp.SetSize(16, 16);
    bmp.Canvas()->Brush()->SetColor(clLime);
    bmp.Canvas()->FillRect(TRect(0, 0, 16, 16));
    f->ImageList1->Draw(bmp.Canvas(), 0, 0, kImageCount);
    f->ImageList1->Draw(bmp.Canvas(), 0, 0, -1);
    EXPECT_EQ(bmp.Canvas()->Pixel(8, 8), clLime);
}

TEST_F(ChromeImages, ProgramIconShowsInTheAboutBox) {
    TAboutBox about(nullptr);
    const QImage shot = GrabClient(about.ProgramIcon);
    ASSERT_EQ(shot.size(), QSize(64, 64));
    // A white sheet with a grid, on the panel's face.
    const QColor face = shot.pixelColor(0, 0);
    EXPECT_EQ(face, QColor(GetRValue(ColorToRGB(clBtnFace)), GetGValue(ColorToRGB(clBtnFace)),
                           GetBValue(ColorToRGB(clBtnFace))));
    int white = 0, blue = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const QColor c = shot.pixelColor(x, y);
            white += c == QColor(Qt::white);
            blue += c.blue() > c.red() + 40 && c.blue() > 150;
        }
    EXPECT_GT(white, 64 * 64 / 4);
    EXPECT_GT(blue, 64);
}

TEST(ProgramIcon, EverySizeHasTransparentCornersAndASheet) {
    for (int size : kProgramIconSizes) {
        TBitmap bmp;
        DrawProgramIcon(&bmp, size);
        ASSERT_EQ(bmp.Width(), size);
        ASSERT_EQ(bmp.Height(), size);
        EXPECT_EQ(bmp.Canvas()->Pixel(0, 0), kProgramIconMaskColor) << size;
        EXPECT_EQ(bmp.Canvas()->Pixel(size - 1, size - 1), kProgramIconMaskColor) << size;
        int white = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                white += bmp.Canvas()->Pixel(x, y) == clWhite;
        EXPECT_GT(white, size * size / 8) << size;
    }
}

TEST_F(MainWindowTest, EveryWindowShowsTheProgramIcon) {
    InstallProgramIcon();
    TAboutBox about(nullptr);
    for (TForm* form : std::initializer_list<TForm*>{f, &about}) {
        const QIcon icon = form->Impl()->Widget()->windowIcon();
        for (int size : {16, 32, 48}) {
            const QImage img = icon.pixmap(size, size).toImage();
            ASSERT_EQ(img.size(), QSize(size, size)) << form->Name();
            EXPECT_EQ(img.pixelColor(0, 0).alpha(), 0) << size; // transparent corner
            EXPECT_EQ(img.pixelColor(size / 2, size / 3).alpha(), 255) << size;
        }
    }
}

void WriteText(const std::filesystem::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

TEST_F(MainWindowTest, ZoomListIsReadableInEveryStoredScheme) {
    for (int scheme = 0; scheme <= 5; ++scheme) {
        Close();
        WriteText(Path("Ruliform.ini"), "[Ruliform]\nSkin=" + std::to_string(scheme) + "\n");
        Open();
        ASSERT_TRUE(ShowActive(f));
        const QImage list = GrabClient(f->ComboBox1);
        // The text "40" is dark on the list's light field.
        const QRect text(2, 2, 24, list.height() - 4);
        EXPECT_GT(DarkPixels(list, text), 8) << "scheme " << scheme;
    }
}

TEST_F(MainWindowTest, FirstHintStaysUntilAControlWithAHintIsPointedAt) {
    const AnsiString first = "ここに各項目のヒントが表示されます";
    Application->SetHint("");
    ASSERT_TRUE(ShowActive(f));
    auto enter = [](TControl* c) {
        QEvent e(QEvent::Enter);
        QApplication::sendEvent(c->Impl()->Widget(), &e);
    };
    enter(f->ScrollBox1); // the pointer lies on the preview as the window opens
    EXPECT_EQ(f->StatusBar1->Panels(0)->Text, first);
    // The text is drawn: blue on the white panel.
    EXPECT_TRUE(WaitUntil([&] {
        const QImage bar = GrabClient(f->StatusBar1);
        int blue = 0;
        for (int y = 0; y < bar.height(); ++y)
            for (int x = 0; x < f->StatusBar1->Panels(0)->Width; ++x) {
                const QColor c = bar.pixelColor(x, y);
                blue += c.blue() > 150 && c.red() < 100 && c.green() < 100;
            }
        return blue > 20;
    }));
    enter(f->eDotX);
    EXPECT_EQ(f->StatusBar1->Panels(0)->Text, "横方向のマス数を変更");
    enter(f->ScrollBox1);
    EXPECT_EQ(f->StatusBar1->Panels(0)->Text, "");
}

TEST_F(MainWindowTest, HighlightedMenuItemsHintShowsInTheStatusBarUntilTheMenuCloses) {
    ASSERT_FALSE(Application->OnHint) << "the program takes no hint itself";
    Application->SetHint("");
    ASSERT_TRUE(ShowActive(f));
    QMenu* menu = winlib::SubMenu(f->MenuSettings);
    menu->popup(QPoint(10, 10));
    ASSERT_TRUE(WaitUntil([menu] { return menu->isVisible(); }));
    menu->setActiveAction(winlib::ItemAction(f->N3)); // as the pointer or the arrow keys do
    EXPECT_EQ(f->StatusBar1->Panels(0)->Text, "線の色を変更します");
    menu->hide();
    EXPECT_EQ(f->StatusBar1->Panels(0)->Text, "");
}

} // namespace
