#include "first_paint_probe.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

long long NowNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

class FirstPaint final : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!done_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
      auto* widget = static_cast<QWidget*>(watched);
      if (widget->isWindow()) {
        done_ = true;
        // Runs once this paint pass (children included) has been drawn and flushed.
        QTimer::singleShot(0, widget, [widget] {
          const char* t0 = std::getenv("QUILLORN_BENCH_T0_NS");
          const long long start = t0 != nullptr ? std::atoll(t0) : 0;
          std::printf("%lld\n", NowNs() - start);
          std::fflush(stdout);
          widget->close();
        });
      }
    }
    return false;
  }

 private:
  bool done_ = false;
};

}  // namespace

void InstallFirstPaintProbe() { qApp->installEventFilter(new FirstPaint); }
