// Esc in the middle of typing: the window goes at once, whatever state the typing left behind
// (characters typed, an input method's unfinished composition, the button held down), no click
// runs, and the program's loop ends with 0.
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "app/program_entry.h"
#include "app/shell_state.h"
#include "hostile_fixture.h"
#include "ui/window_shell.h"

namespace quillorn::ui::testing {
namespace {

class HostileCloseTest : public HostileTest {
 protected:
  // Sends Esc to the focused control and lets the window's deletion run.
  static void PressEscAndSettle() {
    Key(Qt::Key_Escape);
    FlushDeletions();
  }
};

TEST_F(HostileCloseTest, EscAfterSomeTypedCharactersDestroysTheWindow) {
  TypeInto(1, "2.1");
  ASSERT_EQ(Box(1)->text(), "2.1");
  PressEscAndSettle();
  EXPECT_TRUE(window_.isNull());
  EXPECT_EQ(OpenWindowCount(), 0u);
  EXPECT_EQ(FindOpenWindow(kMainWindowId), nullptr);
  EXPECT_EQ(clicks_, 0);
}

TEST_F(HostileCloseTest, EscDuringAnInputMethodCompositionDestroysTheWindow) {
  TypeInto(5, "1.");
  QInputMethodEvent composing(QString::fromUtf8("９５"), {});
  QApplication::sendEvent(Box(5), &composing);
  PressEscAndSettle();
  EXPECT_TRUE(window_.isNull());
  EXPECT_EQ(OpenWindowCount(), 0u);
}

TEST_F(HostileCloseTest, EscWhileTheButtonIsHeldDownRunsNoClick) {
  TypeInto(2, "3.2");
  QTest::mousePress(Button(), Qt::LeftButton);
  ASSERT_TRUE(Button()->isDown());
  // The button has the focus now; Esc goes through the window's keys all the same.
  PressEscAndSettle();
  EXPECT_TRUE(window_.isNull());
  EXPECT_EQ(OpenWindowCount(), 0u);
  EXPECT_EQ(clicks_, 0);
}

void PrintExitRoutine() { std::fputs("exit routine ran\n", stderr); }

TEST(HostileProgramLifeTest, EscInTheMiddleOfTypingEndsTheLoopWithZero) {
  EXPECT_EXIT(
      {
        QTimer::singleShot(0, [] {
          MainWindow* window = FindOpenWindow(kMainWindowId);
          if (window == nullptr) std::_Exit(7);
          // Keys go to the focused box, so wait until the window has the focus.
          if (!QTest::qWaitForWindowActive(window, 5000) || QApplication::focusWidget() == nullptr) {
            std::_Exit(8);
          }
          SetExitRoutine(&PrintExitRoutine);
          for (const char* piece : {"2", ".", "1"}) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromLatin1(piece));
            QApplication::sendEvent(QApplication::focusWidget(), &press);
          }
          QInputMethodEvent composing(QString::fromUtf8("０"), {});
          QApplication::sendEvent(QApplication::focusWidget(), &composing);
          QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
          QApplication::sendEvent(QApplication::focusWidget(), &esc);
        });
        const std::int32_t result = ProgramEntry();
        const bool closed = OpenWindowCount() == 0;
        CleanUp(0);
        std::fflush(nullptr);
        std::_Exit(result == 0 && closed ? QuitCode() : 9);
      },
      ::testing::ExitedWithCode(0), "exit routine ran");
}

}  // namespace
}  // namespace quillorn::ui::testing
