// Tool bars and their buttons. Buttons sit left to right in the order they were added; a bar
// can also show a main menu's top-level items as captioned buttons that open their menus.
#include "winlib/ComCtrls.h"
#include "winlib/MessageBoxImpl.h"

#include "ControlCanvas.h"
#include "ControlImpl.h"
#include "winlib/Forms.h"
#include "ImageListImpl.h"
#include "MenuImpl.h"

#include <QFontMetrics>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionToolButton>
#include <QToolButton>

#include <algorithm>

namespace {
constexpr int kButtonWidth = 23, kButtonHeight = 22;
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
            TToolBarCustomDrawEvent handler = bar_->OnCustomDraw;
            RunPaintGuarded(bar_, [&] { handler(bar_, TRect(0, 0, width(), height()), defaultDraw); });
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
            int w = kButtonWidth;
            const QImage image = ButtonImage(b);
            if (bar->ShowCaptions()) {
                QFontMetrics fm(b->Impl()->Widget()->font());
                QString text = ToQString(b->Caption());
                text.remove(QLatin1Char('&'));
                const int textWidth = fm.horizontalAdvance(text);
                w = image.isNull() ? std::max(kButtonWidth, textWidth + 14)
                                   : kImageLeft + image.width() + kImageGap + textWidth + kImageButtonRight;
            }
            b->SetBounds(x, 0, w, std::max(kButtonHeight, bar->ClientHeight()));
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
            TToolBarCustomDrawButtonEvent handler = bar->OnCustomDrawButton;
            RunPaintGuarded(button_, [&] { handler(bar, button_, state, defaultDraw); });
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

TToolButton::TToolButton(TComponent* AOwner) : TGraphicControl(AOwner) {
    auto* b = new TToolButtonWidget(this);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    SetImpl(std::make_unique<TToolButtonImpl>(this, b));
    SetBounds(0, 0, kButtonWidth, kButtonHeight);
    QObject::connect(b, &QToolButton::clicked, b, [this] { Click(); });
}

TToolButton::~TToolButton() {
    SetParent(nullptr);
}

void TToolButton::SetParent(TWinControl* p) {
    if (auto* old = dynamic_cast<TToolBar*>(Parent())) {
        auto& list = old->buttons_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    if (auto* bar = dynamic_cast<TToolBar*>(p)) bar->buttons_.push_back(this);
    TGraphicControl::SetParent(p);
    if (auto* bar = dynamic_cast<TToolBar*>(p)) BarImpl(bar)->Layout();
}

void TToolButton::SetImageIndex(int i) {
    imageIndex_ = i;
    Invalidate();
    if (auto* bar = dynamic_cast<TToolBar*>(Parent())) BarImpl(bar)->Layout();
}

void TToolButton::SetAction(TAction* a) {
    action_ = a;
    if (!a) return;
    if (!a->Caption().empty()) SetCaption(a->Caption());
    if (!a->Hint().empty()) SetHint(a->Hint());
}

void TToolButton::SetDown(bool d) {
    down_ = d;
    auto* b = static_cast<TToolButtonImpl*>(Impl())->button;
    QSignalBlocker block(b);
    b->setCheckable(d || b->isCheckable());
    b->setChecked(d);
}

void TToolButton::Click() {
    RunGuarded([&] {
        if (action_)
            action_->Execute();
        else
            Fire(OnClick, this);
    });
}

TToolBar::~TToolBar() {
    // Controls leave the bar while the base classes are destroyed; laying them out then would
    // call into a bar that is no longer whole.
    ++BarImpl(this)->laying;
}

TToolBar::TToolBar(TComponent* AOwner) : TWinControl(AOwner) {
    auto* w = new TToolBarWidget(this);
    SetImpl(std::make_unique<TToolBarImpl>(this, w));
    SetBounds(0, 0, 150, 29);
}

void TToolBar::SetShowCaptions(bool s) {
    showCaptions_ = s;
    BarImpl(this)->Layout();
}

void TToolBar::SetImages(TImageList* l) {
    images_ = l;
    BarImpl(this)->Layout();
    for (TToolButton* b : buttons_)
        b->Invalidate();
}

void TToolBar::SetAutoSize(bool a) {
    autoSize_ = a;
    BarImpl(this)->Layout();
}

TCanvas* TToolBar::Canvas() {
    return &BarImpl(this)->widget->canvas;
}

void TToolBar::SetMenu(TMainMenu* m) {
    TToolBarImpl* impl = BarImpl(this);
    impl->menuToken = std::make_shared<int>(0);
    for (TToolButton* b : impl->menuButtons)
        delete b;
    impl->menuButtons.clear();
    menu_ = m;
    if (!m) return;
    TMenuItem* root = m->Items();
    for (int i = 0; i < root->Count(); ++i) {
        TMenuItem* item = root->Items(i);
        auto* b = new TToolButton(this);
        impl->menuButtons.push_back(b);
        b->SetParent(this);
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
        winlib::SetItemChangedHandler(item, [this, b, item, alive] {
            if (alive.expired()) return;
            b->SetCaption(item->Caption());
            b->SetVisible(item->Visible());
            b->SetEnabled(item->Enabled());
            BarImpl(this)->Layout();
        });
    }
    impl->Layout();
}
