// Paper size and orientation of the current printer.
#include "PrinterImpl.h"
#include "SysUtils.h"

#include <QPageSize>

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

} // namespace

std::vector<TPrinterPaper> TPrinter::KnownPapers() {
    std::vector<TPrinterPaper> list;
    for (const KnownPaper& k : Papers) {
        const QSizeF mm = QPageSize::size(k.id, QPageSize::Millimeter);
        list.push_back({k.name, mm.width(), mm.height()});
    }
    return list;
}

AnsiString TPrinter::PaperName() const {
    const QPageSize size = impl_->printer->pageLayout().pageSize();
    for (const KnownPaper& k : Papers)
        if (size.id() == k.id) return k.name;
    return size.name().toStdString();
}

bool TPrinter::SetPaperName(const AnsiString& Name) {
    if (printing_) return false; // the sheet cannot change under a running job
    for (const KnownPaper& k : Papers) {
        if (SameText(Name, k.name)) {
            impl_->printer->setPageSize(QPageSize(k.id));
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
