#include "ArrowPair.h"

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

ArrowPair MakeArrowPair() {
    auto* w = new QWidget;
    auto* layout = new QVBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    ArrowPair pair{w, Half(w, Qt::UpArrow), Half(w, Qt::DownArrow)};
    layout->addWidget(pair.up);
    layout->addWidget(pair.down);
    return pair;
}
