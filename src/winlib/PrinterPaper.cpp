// Paper size and orientation of the current printer, and the papers each printer offers.
#include "Printers.h"
#include "SysUtils.h"
#include "widgetset/WSPrinters.h"

#include <algorithm>

namespace {

struct KnownPaper {
    const char* name;
    TWSPaperKind kind;
};

// B4 and B5 are the JIS sizes, as on Japanese systems.
constexpr KnownPaper Papers[] = {{"A3", TWSPaperKind::A3},      {"A4", TWSPaperKind::A4},
                                 {"A5", TWSPaperKind::A5},      {"B4", TWSPaperKind::JisB4},
                                 {"B5", TWSPaperKind::JisB5},   {"Letter", TWSPaperKind::Letter},
                                 {"Legal", TWSPaperKind::Legal}};

struct NamedPaper {
    TWSPaper paper;
    AnsiString name;
};

// The papers of a printer by the names they go by: a known paper by its short name, any other
// by the name the queue gives it. A queue may list one sheet under several keys ("US Letter" and
// "ANSI A"); the short name goes to the one with the standard key, else to the first.
std::vector<NamedPaper> NamedPapers(const std::vector<TWSPaper>& offered) {
    std::vector<NamedPaper> named;
    for (const TWSPaper& paper : offered)
        named.push_back({paper, paper.Name});
    for (const KnownPaper& k : Papers) {
        NamedPaper* pick = nullptr;
        for (NamedPaper& n : named) {
            if (n.paper.Kind != k.kind) continue;
            if (!pick || n.paper.StandardKey) pick = &n;
            if (n.paper.StandardKey) break;
        }
        if (pick) pick->name = k.name;
    }
    return named;
}

// The papers of the printer at Index: the known ones for the PDF printer (last in the list), the
// queue's own for CUPS.
std::vector<NamedPaper> OfferedPapers(const TStringList& printers, int index) {
    std::vector<TWSPaper> offered;
    if (index == printers.Count() - 1) {
        for (const KnownPaper& k : Papers)
            offered.push_back(ws::KnownPaper(k.kind));
    } else {
        offered = ws::QueuePapers(printers[index]);
    }
    return NamedPapers(offered);
}

} // namespace

std::vector<TPrinterPaper> TPrinter::KnownPapers() {
    std::vector<TPrinterPaper> list;
    for (const KnownPaper& k : Papers) {
        const TWSPaper paper = ws::KnownPaper(k.kind);
        list.push_back({k.name, paper.WidthMm, paper.HeightMm});
    }
    return list;
}

std::vector<AnsiString> TPrinter::PaperNames(int Index) const {
    std::vector<AnsiString> names;
    if (Index < 0 || Index >= printers_.Count()) return names;
    for (const NamedPaper& n : OfferedPapers(printers_, Index))
        if (std::find(names.begin(), names.end(), n.name) == names.end()) names.push_back(n.name);
    return names;
}

AnsiString TPrinter::PaperName() const {
    const TWSPaper current = ws_->Paper();
    for (const NamedPaper& n : OfferedPapers(printers_, index_))
        if (n.paper.Key == current.Key) return n.name;
    for (const KnownPaper& k : Papers)
        if (current.Kind == k.kind) return k.name;
    return current.Name;
}

bool TPrinter::SetPaperName(const AnsiString& Name) {
    if (printing_) return false; // the sheet cannot change under a running job
    if (Name.empty()) return false;
    for (const NamedPaper& n : OfferedPapers(printers_, index_))
        if (SameText(Name, n.name)) return ws_->SetPaper(n.paper);
    return false;
}

TPrinterOrientation TPrinter::Orientation() const {
    return ws_->Landscape() ? poLandscape : poPortrait;
}

void TPrinter::SetOrientation(TPrinterOrientation o) {
    if (printing_) throw EPrinter(PrintingNowText);
    ws_->SetLandscape(o == poLandscape);
}
