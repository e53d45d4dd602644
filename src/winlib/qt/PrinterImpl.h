// Internal to the layer: the Qt side of TPrinter. One QPrinter holds the settings of the current
// printer (paper, orientation, resolution); a job draws into a PDF document of its own, which
// TPrinter makes the PDF printer's file or hands to the CUPS queue when the job ends.
#pragma once

#include "CanvasBatch.h"
#include "CanvasImpl.h"
#include "JobFile.h"
#include "winlib/Printers.h"
#include "winlib/widgetset/WSPrinters.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QString>

#include <memory>

class TPrinterImpl : public TWSPrinter {
  public:
    explicit TPrinterImpl(TPrinter* owner) : owner(owner) {}

    void SelectPdf() override;
    bool SelectQueue(const AnsiString& Queue) override;
    TWSPageMetrics PageMetrics() const override;
    TWSPaper Paper() const override;
    bool SetPaper(const TWSPaper& Paper) override;
    bool Landscape() const override;
    void SetLandscape(bool On) override;
    void AttachCanvas(TCanvas& Canvas) override;
    bool StartJob(int Fd, const AnsiString& Title) override;
    void StartPage(const TRect& Printable) override;
    int NextPage() override;
    int FinishJob() override;
    void AbortJob() override;

    TPrinter* owner;                   // the printer object this is the device of
    std::unique_ptr<QPrinter> printer; // the settings of the current printer
    bool pdf = false;                  // the current printer is the PDF printer
    QString queue;                     // the current CUPS queue
    QSizeF declared; // the size the queue declares for the current paper, portrait, in points
    int jobFd = -1;  // the file the running job's document goes to
    std::unique_ptr<TJobFile> jobFile; // writes it there, keeping the cause of a failure
    std::unique_ptr<QPdfWriter> job;   // the running job's PDF document
    QPainter painter;                  // active while a job runs
    cnv::VectorBatch batch{painter};   // thin lines and dots of the page not yet written
    QRect pageArea;                    // the printable area of the running job's pages
    // The last bitmap the running job drew, as the image given to its document: a picture drawn
    // on every page is one image, which Qt's PDF writer embeds once (it knows it by cacheKey).
    QImage jobImage;
    uint64_t jobImageRevision = 0;

    // The page of the current settings in points, orientation applied: the exact size of the
    // paper for the PDF printer, the size the queue declares for it (its PPD or IPP media) for a
    // CUPS queue, or Qt's whole points when the queue declares none. Every job's pages get
    // boxes of exactly this size.
    QSizeF PagePoints() const;
    // Takes the size the queue declares for the current paper again.
    void TakeDeclaredSize();
    // The printable area of the current settings, from its corner.
    QRect PrintableArea() const;
    // A PDF document for one job with the current paper, orientation and resolution, written
    // through Device.
    std::unique_ptr<QPdfWriter> CreateJobDocument(QIODevice* Device) const;
};

// A paper of Qt's in the layer's terms.
TWSPaper WSPaperOf(const QPageSize& Size);

// The canvas surface of a printer: draws on the job's painter while a job runs.
class TPrinterCanvasImpl : public TCanvasImpl {
  public:
    explicit TPrinterCanvasImpl(TPrinterImpl* owner) : owner_(owner) {}
    QPainter* Painter() override;
    cnv::VectorBatch* Batch() override;
    TRect Bounds() override;
    // Text is measured with the printer's own metrics, at its resolution.
    QPaintDevice* MetricsDevice() override;

  protected:
    QImage PainterImage(const TBitmap& Bitmap) override;

  private:
    TPrinterImpl* owner_;
};
