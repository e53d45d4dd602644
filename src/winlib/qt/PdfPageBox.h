// Internal to the layer: exact page sizes in the PDF documents Qt writes. Qt gives every page
// a media box of whole points (A4 becomes 595 x 842 pt, 209.9 x 297.0 mm) and draws from the top
// of that box; the box is rewritten in place to the exact size, keeping its top edge where the
// drawing starts.
#pragma once

#include <QSizeF>
#include <QString>

// Gives every page of the document in the open file Fd whose box is Whole points (as Qt wrote
// it) the size Exact, in points. False when the file cannot be changed or holds no such box: a
// document Qt wrote whole has one on every page, so a file without one (empty, cut short) is
// not a document.
bool SetExactPageBoxes(int Fd, QSize Whole, QSizeF Exact);

// The box text that replaces Qt's "[0 0 W H]" for a page of Exact points drawn from the top of a
// page of Whole points: the same length as Qt's text, or empty when the exact box does not fit.
QByteArray ExactPageBox(QSize Whole, QSizeF Exact);
