// Internal to the layer: the Qt side of TPrinter. One QPrinter configured for the current
// printer, the painter of the running job, and where the job's output goes.
#pragma once

#include "CanvasImpl.h"
#include "Printers.h"

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
// paper's top-left corner.
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
    std::unique_ptr<QPrinter> printer; // configured for entries[current]
    QPainter painter;                  // active while a job runs
    QString partFile;                  // PDF printer: the file being written, renamed at the end
    QString spoolFile;                 // CUPS printer: Qt's spool file of the running job, if found

    // Builds a fresh QPrinter for the entry with that printer's default settings.
    static std::unique_ptr<QPrinter> CreatePrinter(const TPrinterEntry& entry);
    TPrinterGeometry Geometry() const;
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
    TRect Bounds() override;
    // Text is measured with the printer's own metrics, at its resolution.
    QPaintDevice* MetricsDevice() override;

  private:
    TPrinterImpl* owner_;
};
