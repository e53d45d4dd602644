// The printer object: the system's CUPS queues plus a built-in PDF printer that is always
// present (last in the list), page geometry in device pixels, and the print job.
// The canvas origin is the corner of the printable area; pages print at true size, never scaled.
#pragma once

#include "Graphics.h"

// GetDeviceCaps indexes used by the program.
enum TDeviceCap {
    HORZSIZE = 4,
    VERTSIZE = 6,
    LOGPIXELSX = 88,
    LOGPIXELSY = 90,
    PHYSICALWIDTH = 110,
    PHYSICALHEIGHT = 111,
    PHYSICALOFFSETX = 112,
    PHYSICALOFFSETY = 113
};

enum TPrinterOrientation { poPortrait, poLandscape };

struct TPrinterPaper {
    AnsiString Name;      // "A4", "Letter", ...
    double WidthMm = 210; // portrait width
    double HeightMm = 297;
};

class TWSPrinter;

class TPrinter : public TObject {
  public:
    TPrinter();
    ~TPrinter() override;
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    // Names in list order, taken once when the object is created.
    const TStringList& Printers() const { return printers_; }
    int PrinterIndex() const { return index_; }
    // -1 selects the default printer. EPrinter for an index outside the list, and for a CUPS
    // queue that no longer exists; either way the current printer stays.
    void SetPrinterIndex(int i);
    // Makes the named printer current with that printer's default settings; false when the name
    // is not in the list (EPrinter when its queue no longer exists, as SetPrinterIndex).
    bool SetPrinterByName(const AnsiString& Name);
    bool IsPdfPrinter() const; // the built-in PDF printer is current

    // The paper the job really prints: the PDF printer's pages have their exact sizes, a CUPS
    // queue's those of the document Qt sends it (whole points). The printable area is centred.
    int PageWidth() const; // printable width in device pixels
    int PageHeight() const;
    int GetDeviceCaps(int Index) const; // HORZSIZE/VERTSIZE in whole mm of the printable area
    int Resolution() const;             // device pixels per inch: the true scale of every job

    TPrinterOrientation Orientation() const;
    void SetOrientation(TPrinterOrientation o);
    AnsiString PaperName() const;
    // A paper the current printer offers, by name ("A4", "A3", "B5", "Letter", ...; a CUPS queue
    // also its own papers by the names they have there); false when it offers none of that name.
    bool SetPaperName(const AnsiString& Name);
    // The names of the papers the printer at Index offers, in its order: the known papers for
    // the PDF printer, the queue's own for a CUPS printer (none when the queue is gone).
    std::vector<AnsiString> PaperNames(int Index) const;
    // The papers of the PDF printer.
    static std::vector<TPrinterPaper> KnownPapers();

    // The built-in PDF printer writes this file (default: "RuliformDocument.pdf" in the user's
    // documents folder, or in the home folder when there is none).
    AnsiString OutputFileName() const { return outputFile_; }
    void SetOutputFileName(const AnsiString& f) { outputFile_ = f; }

    const AnsiString& Title() const { return title_; }
    void SetTitle(const AnsiString& t) { title_ = t; }
    // EPrinter when a job is running or the printer cannot start (a CUPS queue that is gone, a
    // server that does not answer, a file or spool file that cannot be created).
    //
    // The PDF printer's document is written beside its file and takes the file's place only
    // when complete and synced to disk; a CUPS job's spool file goes to the queue only when
    // complete. A write that fails (a full disk, a file-size limit, ...) ends the job with
    // EPrinter naming the file or queue and the cause: the previous file stays as it was and
    // nothing is sent. The messages are the program's, in Japanese.
    void BeginDoc();
    // EPrinter when the document can no longer be written; the job is then over.
    void NewPage();
    // Completes the document: writes the PDF printer's file or hands the job to the CUPS queue.
    // EPrinter when that fails (the file cannot be written, the queue refuses the job); the job
    // is over either way.
    void EndDoc();
    void Abort(); // drops the running job: no document and no queue entry remain
    bool Printing() const { return printing_; }
    bool Aborted() const { return aborted_; }
    int PageNumber() const { return pageNumber_; }
    TCanvas* Canvas(); // the page canvas while printing

  private:
    // Makes the printer at index i current with its default settings (EPrinter when its queue
    // no longer exists; then nothing changes).
    void Select(int i);
    bool IsPdfEntry(int i) const { return i == printers_.Count() - 1; }
    // Puts the page's origin on the printable area's corner; run at the start of every page.
    void StartPage();

    std::unique_ptr<TWSPrinter> ws_;
    TStringList printers_;
    int index_ = -1;
    int defaultIndex_ = -1; // the system default at start, else the PDF printer
    AnsiString title_;
    AnsiString outputFile_;
    bool printing_ = false, aborted_ = false;
    int pageNumber_ = 0;
    AnsiString jobFile_; // where the running job's document is written
    int jobFd_ = -1;     // that file, open while the job runs
    // Drops the running job (no file remains) and raises EPrinter with Message.
    [[noreturn]] void FailJob(const AnsiString& Message);
    // What the user is told when the running job's document cannot be written (errno Error).
    AnsiString WriteFailureText(int Error) const;
    std::unique_ptr<TCanvas> canvas_;
};

// The application's printer object (created on first use).
TPrinter* Printer();

// For tests: the built-in PDF printer acts as a printer that cannot print within LeftRightPt
// points of the paper's left and right edges and TopBottomPt points of its top and bottom edges,
// as a CUPS queue with those borders does (its sheets keep their size; the canvas starts at the
// printable corner and is clipped to the printable area). 0, 0 gives it back its whole sheet.
void SetPdfPrinterBorderForTest(double LeftRightPt, double TopBottomPt);
// Name of the built-in PDF printer as it appears in the list.
extern const char* const PdfPrinterName;
// What EPrinter says when a setting is changed while a job runs.
extern const char* const PrintingNowText;
