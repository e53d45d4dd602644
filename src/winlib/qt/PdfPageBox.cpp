#include "PdfPageBox.h"

#include <QFile>

#include <cstring>

namespace {
// Qt writes each page's box as "/MediaBox [0 0 W H]" with six decimals.
QByteArray QtBox(QSize whole) {
    return "[0 0 " + QByteArray::number(double(whole.width()), 'f') + " " +
           QByteArray::number(double(whole.height()), 'f') + "]";
}

// A PDF number with at most Decimals decimals and no needless zeros (".5" is a PDF number).
QByteArray Number(double v, int decimals) {
    QByteArray s = QByteArray::number(v, 'f', decimals);
    if (s.contains('.')) {
        while (s.endsWith('0'))
            s.chop(1);
        if (s.endsWith('.')) s.chop(1);
    }
    if (s.startsWith("0.")) s.remove(0, 1);
    if (s.startsWith("-0.")) s.remove(1, 1);
    if (s.isEmpty() || s == "-") s = "0";
    return s;
}
} // namespace

QByteArray ExactPageBox(QSize whole, QSizeF exact) {
    const QByteArray qt = QtBox(whole);
    // Qt's drawing starts at the top of its box (y = whole height), so the exact box keeps that
    // top and ends the exact height below it.
    for (int decimals = 6; decimals >= 3; --decimals) {
        QByteArray box = "[0 " + Number(whole.height() - exact.height(), decimals) + " " +
                         Number(exact.width(), decimals) + " " + QByteArray::number(whole.height()) + "]";
        if (box.size() <= qt.size()) return box + QByteArray(qt.size() - box.size(), ' ');
    }
    return {};
}

bool SetExactPageBoxes(const QString& file, QSize whole, QSizeF exact) {
    const QByteArray from = "/MediaBox " + QtBox(whole);
    const QByteArray box = ExactPageBox(whole, exact);
    if (box.isEmpty()) return true; // whole points stay: within half a point of the size
    const QByteArray to = "/MediaBox " + box;
    QFile f(file);
    if (!f.open(QIODevice::ReadWrite)) return false;
    const qint64 size = f.size();
    if (size < from.size()) return true;
    uchar* data = f.map(0, size);
    if (!data) return false;
    // The same length, so every offset in the file's cross-reference table stays right.
    char* text = reinterpret_cast<char*>(data);
    const char* end = text + size;
    for (char* at = text; at + from.size() <= end;) {
        char* hit = static_cast<char*>(memmem(at, end - at, from.constData(), from.size()));
        if (!hit) break;
        std::memcpy(hit, to.constData(), to.size());
        at = hit + to.size();
    }
    const bool unmapped = f.unmap(data);
    return unmapped && f.error() == QFileDevice::NoError;
}
