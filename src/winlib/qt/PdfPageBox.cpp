#include "PdfPageBox.h"

#include <cstring>
#include <sys/mman.h>
#include <sys/stat.h>

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

bool SetExactPageBoxes(int fd, QSize whole, QSizeF exact) {
    const QByteArray from = "/MediaBox " + QtBox(whole);
    const QByteArray box = ExactPageBox(whole, exact);
    const QByteArray to = box.isEmpty() ? from : "/MediaBox " + box;
    struct stat st {};
    if (fstat(fd, &st) != 0) return false;
    const size_t size = static_cast<size_t>(st.st_size);
    // Every page of a document Qt wrote has its box: a file without one is not a whole document.
    if (size < static_cast<size_t>(from.size())) return false;
    void* map = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (map == MAP_FAILED) return false;
    // The same length, so every offset in the file's cross-reference table stays right.
    char* text = static_cast<char*>(map);
    const char* end = text + size;
    int found = 0;
    for (char* at = text; at + from.size() <= end;) {
        char* hit = static_cast<char*>(memmem(at, end - at, from.constData(), from.size()));
        if (!hit) break;
        ++found;
        // An exact box that does not fit keeps whole points: within half a point of the size.
        std::memcpy(hit, to.constData(), to.size());
        at = hit + from.size();
    }
    return munmap(map, size) == 0 && found > 0;
}
