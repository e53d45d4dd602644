// Internal to the layer: the device a print job's PDF document is written through. It writes to
// a file the printer object opened, in large blocks, and keeps the first write that failed
// (its errno), which Qt's PDF writer would not report: the job then ends with that cause instead
// of a truncated document passing for a whole one.
#pragma once

#include <QByteArray>
#include <QIODevice>

class TJobFile : public QIODevice {
  public:
    explicit TJobFile(int Fd);
    // Writes what is buffered; 0, or the errno of the first write that failed (then nothing more
    // is written).
    int Flush();
    int Error() const { return error_; }
    bool isSequential() const override { return true; }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* Data, qint64 Size) override;

  private:
    void WriteOut(const char* Data, qint64 Size);
    int fd_;
    int error_ = 0;
    QByteArray buffer_;
};
