// The papers of Qt's page sizes and CUPS queues in the layer's terms, and the current printer's.
#include "PrinterImpl.h"

#include <QPageLayout>
#include <QPrinterInfo>

namespace {

struct KindId {
    TWSPaperKind kind;
    QPageSize::PageSizeId id;
};

constexpr KindId Kinds[] = {
    {TWSPaperKind::A3, QPageSize::A3},       {TWSPaperKind::A4, QPageSize::A4},
    {TWSPaperKind::A5, QPageSize::A5},       {TWSPaperKind::JisB4, QPageSize::JisB4},
    {TWSPaperKind::JisB5, QPageSize::JisB5}, {TWSPaperKind::Letter, QPageSize::Letter},
    {TWSPaperKind::Legal, QPageSize::Legal}};

TWSPaperKind KindOf(QPageSize::PageSizeId id) {
    for (const KindId& k : Kinds)
        if (k.id == id) return k.kind;
    return TWSPaperKind::Other;
}

QPageSize::PageSizeId IdOf(TWSPaperKind kind) {
    for (const KindId& k : Kinds)
        if (k.kind == kind) return k.id;
    return QPageSize::Custom;
}

} // namespace

TWSPaper WSPaperOf(const QPageSize& size) {
    TWSPaper paper;
    paper.Key = size.key().toStdString();
    paper.Name = size.name().toStdString();
    paper.Kind = KindOf(size.id());
    paper.StandardKey = size.key() == QPageSize::key(size.id());
    const QSizeF mm = size.size(QPageSize::Millimeter);
    paper.WidthMm = mm.width();
    paper.HeightMm = mm.height();
    return paper;
}

namespace ws {

std::vector<TWSPaper> QueuePapers(const AnsiString& Queue) {
    std::vector<TWSPaper> papers;
    for (const QPageSize& size :
         QPrinterInfo::printerInfo(QString::fromStdString(Queue)).supportedPageSizes())
        papers.push_back(WSPaperOf(size));
    return papers;
}

TWSPaper KnownPaper(TWSPaperKind Kind) {
    return WSPaperOf(QPageSize(IdOf(Kind)));
}

} // namespace ws

TWSPaper TPrinterImpl::Paper() const {
    return WSPaperOf(printer->pageLayout().pageSize());
}

bool TPrinterImpl::SetPaper(const TWSPaper& paper) {
    if (pdf) {
        if (paper.Kind == TWSPaperKind::Other) return false;
        printer->setPageSize(QPageSize(IdOf(paper.Kind)));
        return true;
    }
    for (const QPageSize& size : QPrinterInfo::printerInfo(queue).supportedPageSizes()) {
        if (size.key().toStdString() == paper.Key) {
            printer->setPageSize(size);
            TakeDeclaredSize();
            return true;
        }
    }
    return false;
}
