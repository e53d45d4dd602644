// The Qt side of tool bars and their buttons: the row of buttons (as wide as their images and
// captions), their faces, and the buttons that stand for a main menu's top-level items.
#include "winlib/widgetset/WSComCtrls.h"

#include "ControlCanvas.h"
#include "ControlImpl.h"
#include "ImageListImpl.h"
#include "MenuImpl.h"

#include <QFontMetrics>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionToolButton>
#include <QToolButton>

#include <algorithm>

namespace {
// A button with an image: the image at the left, the caption beside it.
constexpr int kImageLeft = 2, kImageGap = 2, kImageButtonRight = 2;

QImage ButtonImage(const TToolButton* b) {
    auto* bar = dynamic_cast<TToolBar*>(b->Parent());
    return bar ? ImageAt(bar->Images(), b->ImageIndex()) : QImage();
}

class TToolBarWidget : public QWidget {
  public:
    explicit TToolBarWidget(TToolBar* bar) : bar_(bar) {}
    TCanvas canvas;
    TLiveCanvasImpl* live = nullptr;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        bool defaultDraw = true;
        if (bar_->OnCustomDraw) {
            TLiveCanvasImpl::Scope scope(live, &p);
            defaultDraw = wsevents::ToolBarCustomDraw(bar_, TRect(0, 0, width(), height()));
        }
        if (defaultDraw && autoFillBackground()) p.fillRect(rect(), palette().color(QPalette::Window));
    }

  private:
    TToolBar* bar_;
};

class TToolBarImpl : public TControlImpl {
  public:
    TToolBarImpl(TToolBar* bar, TToolBarWidget* w) : TControlImpl(bar, w), bar(bar), widget(w) {
        auto surface = std::make_unique<TLiveCanvasImpl>(w);
        w->live = surface.get();
        w->canvas.SetImpl(std::move(surface));
    }
    TToolBar* bar;
    TToolBarWidget* widget;
    std::vector<TToolButton*> menuButtons; // made for the menu's items, owned by the bar
    // Expires when the menu buttons go, so that the items' change handlers left behind do nothing.
    std::shared_ptr<int> menuToken = std::make_shared<int>(0);
    int laying = 0;

    void ChildChanged(TControl*) override { Layout(); }
    // The bar's font is its buttons' font; a control put on the bar (the zoom list) keeps its
    // own, so a light caption colour of a scheme never becomes its text on a white field.
    void ApplyFont(const TFont& f) override {
        TControlImpl::ApplyFont(f);
        for (int i = 0; i < bar->ControlCount(); ++i) {
            TControl* c = bar->Controls(i);
            if (!dynamic_cast<TToolButton*>(c) && c->Impl()) c->Impl()->ApplyFont(*c->Font());
        }
        Layout();
    }

    // Places the visible buttons, and any other control put on the bar (the zoom list), in a
    // row in the order they were added.
    void Layout() {
        if (laying) return;
        ++laying;
        int x = 0;
        for (int i = 0; i < bar->ControlCount(); ++i) {
            TControl* c = bar->Controls(i);
            if (!c->Visible()) continue;
            auto* b = dynamic_cast<TToolButton*>(c);
            if (!b) {
                c->SetBounds(x, std::max(0, (bar->ClientHeight() - c->Height()) / 2), c->Width(),
                             c->Height());
                x += c->Width();
                continue;
            }
            int w = TToolButton::DefaultWidth;
            const QImage image = ButtonImage(b);
            if (bar->ShowCaptions()) {
                QFontMetrics fm(b->Impl()->Widget()->font());
                QString text = ToQString(b->Caption());
                text.remove(QLatin1Char('&'));
                const int textWidth = fm.horizontalAdvance(text);
                w = image.isNull() ? std::max(TToolButton::DefaultWidth, textWidth + 14)
                                   : kImageLeft + image.width() + kImageGap + textWidth + kImageButtonRight;
            }
            b->SetBounds(x, 0, w, std::max(TToolButton::DefaultHeight, bar->ClientHeight()));
            x += w;
        }
        if (bar->AutoSize() && x > 0 && x != bar->Width()) bar->SetWidth(x);
        --laying;
    }
};

TToolBarImpl* BarImpl(const TToolBar* b) {
    return static_cast<TToolBarImpl*>(b->Impl());
}

class TToolButtonWidget : public QToolButton {
  public:
    explicit TToolButtonWidget(TToolButton* b) : button_(b) {}

  protected:
    void paintEvent(QPaintEvent* ev) override {
        auto* bar = dynamic_cast<TToolBar*>(button_->Parent());
        if (!bar || !bar->OnCustomDrawButton) {
            if (ButtonImage(button_).isNull()) {
                QToolButton::paintEvent(ev);
                return;
            }
            // The style's button without its content, then the image and the caption.
            QPainter p(this);
            QStyleOptionToolButton opt;
            initStyleOption(&opt);
            opt.text.clear();
            opt.icon = QIcon();
            style()->drawComplexControl(QStyle::CC_ToolButton, &opt, &p, this);
            DrawFace(p);
            return;
        }
        TCustomDrawState state = 0;
        if (isDown()) state |= cdsSelected;
        if (underMouse()) state |= cdsHot;
        if (isChecked()) state |= cdsChecked;
        if (!isEnabled()) state |= cdsDisabled;
        QPainter p(this);
        // The handler draws in the bar's coordinates, as on the bar's own canvas.
        p.translate(-pos());
        bool defaultDraw = true;
        {
            TLiveCanvasImpl::Scope scope(BarImpl(bar)->widget->live, &p);
            defaultDraw = wsevents::ToolButtonCustomDraw(bar, button_, state);
        }
        if (!defaultDraw) return;
        // The image and the caption over whatever the handler painted.
        p.resetTransform();
        DrawFace(p);
    }

    void DrawFace(QPainter& p) {
        const QImage image = ButtonImage(button_);
        QRect textRect = rect();
        if (!image.isNull()) {
            const int y = (height() - image.height()) / 2;
            if (isEnabled())
                p.drawImage(kImageLeft, y, image);
            else
                p.drawPixmap(kImageLeft, y,
                             QIcon(QPixmap::fromImage(image)).pixmap(image.size(), QIcon::Disabled));
            textRect.setLeft(kImageLeft + image.width() + kImageGap);
        }
        auto* bar = dynamic_cast<TToolBar*>(button_->Parent());
        if (bar && !bar->ShowCaptions()) return;
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        p.drawText(textRect,
                   (image.isNull() ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter) |
                       Qt::TextShowMnemonic,
                   text());
    }

  private:
    TToolButton* button_;
};

class TToolButtonImpl : public TControlImpl {
  public:
    TToolButtonImpl(TControl* c, QToolButton* b) : TControlImpl(c, b), button(b) {}
    QToolButton* button;
    void ApplyCaption(const AnsiString& c) override {
        button->setText(ToQString(c));
        if (auto* bar = dynamic_cast<TToolBar*>(Control()->Parent())) BarImpl(bar)->Layout();
    }
};
} // namespace

namespace ws {
std::unique_ptr<TWSControl> CreateToolButton(TToolButton* Button) {
    auto* b = new TToolButtonWidget(Button);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QObject::connect(b, &QToolButton::clicked, b, [Button] { wsevents::ToolButtonClicked(Button); });
    return std::make_unique<TToolButtonImpl>(Button, b);
}

void ToolButtonSetDown(TToolButton* Button, bool Down) {
    auto* b = static_cast<TToolButtonImpl*>(Button->Impl())->button;
    QSignalBlocker block(b);
    b->setCheckable(Down || b->isCheckable());
    b->setChecked(Down);
}

std::unique_ptr<TWSControl> CreateToolBar(TToolBar* Bar) {
    return std::make_unique<TToolBarImpl>(Bar, new TToolBarWidget(Bar));
}

void ToolBarLayout(TToolBar* Bar) {
    BarImpl(Bar)->Layout();
}

void ToolBarStopLayout(TToolBar* Bar) {
    ++BarImpl(Bar)->laying;
}

TCanvas* ToolBarCanvas(TToolBar* Bar) {
    return &BarImpl(Bar)->widget->canvas;
}

void ToolBarShowMenu(TToolBar* Bar, TMainMenu* Menu) {
    TToolBarImpl* impl = BarImpl(Bar);
    impl->menuToken = std::make_shared<int>(0);
    for (TToolButton* b : impl->menuButtons)
        delete b;
    impl->menuButtons.clear();
    if (!Menu) return;
    TMenuItem* root = Menu->Items();
    for (int i = 0; i < root->Count(); ++i) {
        TMenuItem* item = root->Items(i);
        auto* b = new TToolButton(Bar);
        impl->menuButtons.push_back(b);
        b->SetParent(Bar);
        b->SetCaption(item->Caption());
        b->SetVisible(item->Visible());
        b->SetEnabled(item->Enabled());
        b->OnClick = [b, item](TObject*) {
            QWidget* w = b->Impl()->Widget();
            if (item->Count() > 0)
                winlib::SubMenu(item)->popup(w->mapToGlobal(QPoint(0, w->height())));
            else
                item->Click();
        };
        std::weak_ptr<int> alive = impl->menuToken;
        winlib::SetItemChangedHandler(item, [Bar, b, item, alive] {
            if (alive.expired()) return;
            b->SetCaption(item->Caption());
            b->SetVisible(item->Visible());
            b->SetEnabled(item->Enabled());
            BarImpl(Bar)->Layout();
        });
    }
    impl->Layout();
}
} // namespace ws
