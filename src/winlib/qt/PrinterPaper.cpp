// Paper size and orientation of the current printer, and the papers each printer offers.
#include "PrinterImpl.h"
#include "winlib/SysUtils.h"

#include <QPageSize>
#include <QPrinterInfo>

#include <algorithm>

namespace {

struct KnownPaper {
    const char* name;
    QPageSize::PageSizeId id;
};

// B4 and B5 are the JIS sizes, as on Japanese systems.
constexpr KnownPaper Papers[] = {{"A3", QPageSize::A3},      {"A4", QPageSize::A4},
                                 {"A5", QPageSize::A5},      {"B4", QPageSize::JisB4},
                                 {"B5", QPageSize::JisB5},   {"Letter", QPageSize::Letter},
                                 {"Legal", QPageSize::Legal}};

// The papers of a printer: the known ones for the PDF printer, the queue's own for CUPS.
QList<QPageSize> OfferedSizes(const TPrinterEntry& entry) {
    QList<QPageSize> sizes;
    if (entry.pdf) {
        for (const KnownPaper& k : Papers)
            sizes.append(QPageSize(k.id));
    } else {
        sizes = QPrinterInfo::printerInfo(entry.name).supportedPageSizes();
    }
    return sizes;
}

struct NamedSize {
    QPageSize size;
    AnsiString name;
};

// The papers of a printer by the names they go by: a known paper by its short name, any other
// by the name the queue gives it. A queue may list one sheet under several keys ("US Letter" and
// "ANSI A"); the short name goes to the one with the standard key, else to the first.
std::vector<NamedSize> NamedSizes(const TPrinterEntry& entry) {
    const QList<QPageSize> sizes = OfferedSizes(entry);
    std::vector<NamedSize> named;
    for (const QPageSize& size : sizes)
        named.push_back({size, size.name().toStdString()});
    for (const KnownPaper& k : Papers) {
        NamedSize* pick = nullptr;
        for (NamedSize& n : named) {
            if (n.size.id() != k.id) continue;
            if (!pick || n.size.key() == QPageSize::key(k.id)) pick = &n;
            if (n.size.key() == QPageSize::key(k.id)) break;
        }
        if (pick) pick->name = k.name;
    }
    return named;
}

} // namespace

std::vector<TPrinterPaper> TPrinter::KnownPapers() {
    std::vector<TPrinterPaper> list;
    for (const KnownPaper& k : Papers) {
        const QSizeF mm = QPageSize::size(k.id, QPageSize::Millimeter);
        list.push_back({k.name, mm.width(), mm.height()});
    }
    return list;
}

std::vector<AnsiString> TPrinter::PaperNames(int Index) const {
    std::vector<AnsiString> names;
    if (Index < 0 || Index >= static_cast<int>(impl_->entries.size())) return names;
    for (const NamedSize& n : NamedSizes(impl_->entries[Index]))
        if (std::find(names.begin(), names.end(), n.name) == names.end()) names.push_back(n.name);
    return names;
}

AnsiString TPrinter::PaperName() const {
    const QPageSize current = impl_->printer->pageLayout().pageSize();
    for (const NamedSize& n : NamedSizes(impl_->entries[index_]))
        if (n.size.key() == current.key()) return n.name;
    for (const KnownPaper& k : Papers)
        if (current.id() == k.id) return k.name;
    return current.name().toStdString();
}

bool TPrinter::SetPaperName(const AnsiString& Name) {
    if (printing_) return false; // the sheet cannot change under a running job
    if (Name.empty()) return false;
    for (const NamedSize& n : NamedSizes(impl_->entries[index_])) {
        if (SameText(Name, n.name)) {
            impl_->printer->setPageSize(n.size);
            return true;
        }
    }
    return false;
}

TPrinterOrientation TPrinter::Orientation() const {
    return impl_->printer->pageLayout().orientation() == QPageLayout::Landscape ? poLandscape : poPortrait;
}

void TPrinter::SetOrientation(TPrinterOrientation o) {
    if (printing_) throw EPrinter("Printing in progress");
    impl_->printer->setPageOrientation(o == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}
