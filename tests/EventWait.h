// Waiting on the toolkit in tests without letting time decide a verdict: either until a condition
// holds (the deadline only ends a wait that would otherwise hang, and is generous enough for a
// machine whose every core is busy), or until the event queue goes quiet, judged by counting
// passes over the queue.
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace eventwait {

// Long enough for anything a test waits on, also under heavy load; a wait this long is a hang.
constexpr int kDeadlineMs = 120000;

// Runs the toolkit's events, and waits for new ones in ticks of TickMs, until Done() holds. False
// when it still does not hold at the deadline. A condition that asks another process may use a
// longer tick.
template <class Pred> bool Until(Pred done, int deadlineMs = kDeadlineMs, int tickMs = 5) {
    const QDeadlineTimer deadline(deadlineMs);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QEventLoop tick;
        QTimer::singleShot(tickMs, &tick, &QEventLoop::quit);
        tick.exec();
    }
    return true;
}

// Counts every event the application delivers, to tell when the queue has gone quiet.
class DeliveredEvents : public QObject {
  public:
    DeliveredEvents() { QCoreApplication::instance()->installEventFilter(this); }
    ~DeliveredEvents() override { QCoreApplication::instance()->removeEventFilter(this); }
    long long Count() const { return count_; }

  protected:
    bool eventFilter(QObject*, QEvent*) override {
        ++count_;
        return false;
    }

  private:
    long long count_ = 0;
};

// Delivers queued events until a whole pass delivers none. False when events are still coming
// after MaxPasses passes: something keeps re-queueing work (a repaint or message cycle).
inline bool UntilQuiet(int maxPasses = 1000) {
    DeliveredEvents delivered;
    for (int pass = 0; pass < maxPasses; ++pass) {
        const long long before = delivered.Count();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (delivered.Count() == before) return true;
    }
    return false;
}

} // namespace eventwait
