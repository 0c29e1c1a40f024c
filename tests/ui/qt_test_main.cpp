// The main of the window tests: one QApplication for the run, fatal reports printed instead of
// shown, and two guards so that a test fails rather than hangs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <csignal>
#include <cstdio>

#include "app/fatal_report.h"

namespace {

constexpr unsigned kWholeRunSeconds = 240;

extern "C" void OnWatchdog(int) {
  static const char message[] = "watchdog: the window tests hung\n";
  const ssize_t ignored = write(2, message, sizeof message - 1);
  (void)ignored;
  _exit(3);
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // The death tests start the test program afresh rather than forking a process with Qt's
  // threads in it.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  std::signal(SIGALRM, &OnWatchdog);
  alarm(kWholeRunSeconds);

  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  quillorn::SetFatalPresenter(nullptr);  // standard error, never a box

  // A modal box left open by a test is a failure, and is closed so the run goes on.
  QTimer modal_guard;
  QWidget* seen = nullptr;
  QObject::connect(&modal_guard, &QTimer::timeout, [&seen] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal == seen) {
      ADD_FAILURE() << "a modal window stayed open";
      modal->close();
      seen = nullptr;
      return;
    }
    seen = modal;
  });
  modal_guard.start(3000);

  return RUN_ALL_TESTS();
}
