// Spin buttons: an upper and a lower half, each with its own click handler, no edit attached.
#include "ExtCtrls.h"

#include "ControlImpl.h"
#include "Forms.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace {
QToolButton* Half(QWidget* parent, Qt::ArrowType arrow) {
    auto* b = new QToolButton(parent);
    b->setArrowType(arrow);
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return b;
}
} // namespace

TCSpinButton::TCSpinButton(TComponent* AOwner) : TWinControl(AOwner) {
    auto* w = new QWidget;
    auto* layout = new QVBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QToolButton* up = Half(w, Qt::UpArrow);
    QToolButton* down = Half(w, Qt::DownArrow);
    layout->addWidget(up);
    layout->addWidget(down);
    SetImpl(std::make_unique<TControlImpl>(this, w));
    SetBounds(0, 0, 20, 25);
    QObject::connect(up, &QToolButton::clicked, w, [this] { UserClickUp(); });
    QObject::connect(down, &QToolButton::clicked, w, [this] { UserClickDown(); });
}

void TCSpinButton::UserClickUp() {
    RunGuarded([&] { Fire(OnUpClick, this); });
}

void TCSpinButton::UserClickDown() {
    RunGuarded([&] { Fire(OnDownClick, this); });
}
