// Internal to the Qt side of the layer: the two stacked arrow halves that up-downs and spin
// buttons share.
#pragma once

class QWidget;
class QToolButton;

struct ArrowPair {
    QWidget* widget; // holds both halves, the upper above the lower
    QToolButton* up;
    QToolButton* down;
};

// The halves repeat while held and never take the focus from the edit beside them.
ArrowPair MakeArrowPair();
