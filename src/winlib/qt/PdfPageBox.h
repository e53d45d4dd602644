// Internal to the layer: exact page sizes in the PDF documents Qt writes. Qt gives every page
// a media box of whole points (A4 becomes 595 x 842 pt, 209.9 x 297.0 mm) and draws from the top
// of that box; the box is rewritten in place to the exact size, keeping its top edge where the
// drawing starts.
#pragma once

#include <QSizeF>
#include <QString>

// Gives every page of File whose box is Whole points (as Qt wrote it) the size Exact, in points.
// False when the file cannot be changed; a document without such a box is left as it is.
bool SetExactPageBoxes(const QString& File, QSize Whole, QSizeF Exact);

// The box text that replaces Qt's "[0 0 W H]" for a page of Exact points drawn from the top of a
// page of Whole points: the same length as Qt's text, or empty when the exact box does not fit.
QByteArray ExactPageBox(QSize Whole, QSizeF Exact);
