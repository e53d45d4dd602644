// Internal to the layer: the Qt side of TPrinter. One QPrinter holds the settings of the current
// printer (paper, orientation, resolution); a job draws into a PDF document of its own, which
// becomes the PDF printer's file or is handed to the CUPS queue when the job ends.
#pragma once

#include "CanvasBatch.h"
#include "CanvasImpl.h"
#include "winlib/Printers.h"

#include <QPainter>
#include <QPrinter>
#include <QString>

#include <memory>

// Where a printer entry of our list leads.
struct TPrinterEntry {
    QString name;     // shown in the list; the CUPS queue name for system printers
    bool pdf = false; // the built-in PDF printer
};

// Device geometry in device pixels; the paper and the printable area are both measured from the
// paper's top-left corner. The printable area lies as far inside the right and bottom edges as
// inside the left and top ones.
struct TPrinterGeometry {
    int dpiX = 600, dpiY = 600;
    QRect paper;     // (0, 0, paper width, paper height)
    QRect printable; // inside paper
    double printableWidthMm = 0, printableHeightMm = 0;
};

class TPrinterImpl {
  public:
    std::vector<TPrinterEntry> entries;
    int defaultIndex = 0;              // the system default at start, else the PDF printer
    std::unique_ptr<QPrinter> printer; // the settings of the current printer
    bool pdf = false;                  // the current printer is the PDF printer
    std::unique_ptr<QPrinter> job;     // the running job's PDF document
    QPainter painter;                  // active while a job runs
    cnv::VectorBatch batch{painter};   // thin lines and dots of the page not yet written
    QString jobFile;                   // where the running job's document is written
    QRect pageArea;                    // the printable area of the running job's pages

    // Makes Entry current with that printer's default settings; EPrinter when a CUPS queue of
    // that name no longer exists (then nothing changes).
    void Select(const TPrinterEntry& Entry);
    // The page of the current settings in points, orientation applied: the exact size for the
    // PDF printer (whose documents get exact page boxes), whole points for a CUPS queue (the
    // size of the pages Qt writes for it).
    QSizeF PagePoints() const;
    TPrinterGeometry Geometry() const;
    // A PDF printer for one job with the current paper, orientation and resolution.
    std::unique_ptr<QPrinter> CreateJobPrinter() const;
    // Puts the painter's origin on the printable area's corner and clips to it; run at the start
    // of every page because a new page starts from a fresh device state.
    void PreparePage();
};

// The system's printers followed by the PDF printer; the index of the one current at start.
std::vector<TPrinterEntry> EnumeratePrinters(int& defaultIndex);

// The canvas surface of a printer: draws on the job's painter while a job runs.
class TPrinterCanvasImpl : public TCanvasImpl {
  public:
    explicit TPrinterCanvasImpl(TPrinterImpl* owner) : owner_(owner) {}
    QPainter* Painter() override;
    cnv::VectorBatch* Batch() override;
    TRect Bounds() override;
    // Text is measured with the printer's own metrics, at its resolution.
    QPaintDevice* MetricsDevice() override;

  private:
    TPrinterImpl* owner_;
};
