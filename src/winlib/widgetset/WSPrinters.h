// Internal to the layer: what TPrinter asks of the toolkit. The toolkit keeps the current
// printer's settings (paper, orientation, resolution), reports the page in points, and draws a
// job's pages into a PDF document; TPrinter keeps the list, the job's rules and the geometry.
#pragma once

#include "winlib/Classes.h"

#include <memory>
#include <vector>

class TCanvas;
class TPrinter;

// The papers the layer knows by a short name; Other for every other sheet.
enum class TWSPaperKind { Other, A3, A4, A5, JisB4, JisB5, Letter, Legal };

// A paper as the toolkit or a CUPS queue offers it.
struct TWSPaper {
    AnsiString Key;  // the size's key, unique among a queue's papers ("A4", "iso_a4_210x297mm")
    AnsiString Name; // the name the queue gives it
    TWSPaperKind Kind = TWSPaperKind::Other;
    bool StandardKey = false;         // Key is the usual key of that known paper
    double WidthMm = 0, HeightMm = 0; // portrait
};

// The current page in points, orientation applied: the exact size of the paper for the PDF
// printer, the size the queue declares for it for a CUPS queue (its PPD or IPP media); the
// pages written have that size. The margins are the borders the device cannot print on.
struct TWSPageMetrics {
    int Resolution = 600; // device pixels per inch, both ways
    double WidthPt = 0, HeightPt = 0;
    double MarginLeftPt = 0, MarginTopPt = 0, MarginRightPt = 0, MarginBottomPt = 0;
};

// The toolkit's side of one TPrinter.
class TWSPrinter {
  public:
    virtual ~TWSPrinter() = default;

    // Makes the PDF printer current with A4 portrait and no unprintable border.
    virtual void SelectPdf() = 0;
    // Makes a CUPS queue current with its default settings; false (nothing changes) when the
    // queue no longer exists.
    virtual bool SelectQueue(const AnsiString& Queue) = 0;

    virtual TWSPageMetrics PageMetrics() const = 0;
    virtual TWSPaper Paper() const = 0;
    // One of the papers the current printer offers; false when it no longer offers it.
    virtual bool SetPaper(const TWSPaper& Paper) = 0;
    virtual bool Landscape() const = 0;
    virtual void SetLandscape(bool On) = 0;

    // Gives Canvas the printer's page as its surface.
    virtual void AttachCanvas(TCanvas& Canvas) = 0;

    // Opens a PDF document titled Title, with the current paper, orientation and resolution,
    // written to the open file Fd (open for reading and writing; it stays open: the caller closes it); false
    // when it cannot be opened.
    virtual bool StartJob(int Fd, const AnsiString& Title) = 0;
    // Puts the page's origin on Printable's corner and clips to it.
    virtual void StartPage(const TRect& Printable) = 0;
    // Ends the page and begins the next; 0, or the errno of the first write of the document that
    // failed (EIO when the document refuses a page).
    virtual int NextPage() = 0;
    // Completes the document and writes all of it to the file, its pages given the exact size
    // of the page (PageMetrics). 0, or the errno of the first write that failed (EIO when the
    // document is not whole for another reason).
    virtual int FinishJob() = 0;
    // Drops the document unfinished.
    virtual void AbortJob() = 0;
};

namespace ws {

std::unique_ptr<TWSPrinter> CreatePrinter(TPrinter* Printer);
// The system's printers (CUPS queues) in the system's order, and the default one's name.
std::vector<AnsiString> PrinterQueues();
AnsiString DefaultPrinterQueue();
// The papers a CUPS queue offers, in its order (none when the queue is gone).
std::vector<TWSPaper> QueuePapers(const AnsiString& Queue);
TWSPaper KnownPaper(TWSPaperKind Kind);
// The user's documents folder, or the home folder when there is none; absolute.
AnsiString DocumentsFolder();
// Runs Release when the toolkit's application object goes, before it does (print engines must
// go first); nothing when there is no application object.
void ReleaseWithToolkit(void (*Release)());

} // namespace ws
