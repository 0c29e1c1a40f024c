// The fatal paths (each ends the process with exit code -1, 255 as the shell sees it), the
// message box that shows the report, and the whole life of the program.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "app/fatal_report.h"
#include "app/program_entry.h"
#include "app/shell_state.h"
#include "ui/control_text.h"
#include "ui/fatal_box.h"
#include "ui/window_shell.h"
#include "window_fixture.h"

namespace quillorn::ui::testing {
namespace {

using ::testing::AllOf;
using ::testing::ExitedWithCode;
using ::testing::HasSubstr;
using ::testing::Not;

// What the standard-error presenter prints for a report with this message.
std::string Printed(const char* message) {
  return std::string("错误: 运行时出错!\r\n\r\n错误信息：") + message + "\r\n";
}

void PrintExitRoutine() { std::fputs("exit routine ran\n", stderr); }

using FatalTest = WindowTest;

TEST_F(FatalTest, UnreadableDefinitionsEndTheProgram) {
  // A click bound to a routine nobody provides: the definitions cannot be bound.
  static constexpr ControlDefinition kBroken[] = {
      {"b", ControlKind::kLabel, 0, 0, 10, 10, true, true, false, 0, "x", TextAlignment::kLeft,
       false, Handler::kCalculateHedge}};
  static constexpr WindowDefinition kWindows[] = {
      {kMainWindowId, "Quillorn", 483, 366, true, true, false, true, kBroken}};
  EXPECT_EXIT(
      {
        SetExitRoutine(&PrintExitRoutine);
        InitShellFrom(kWindows);
      },
      ExitedWithCode(255),
      AllOf(HasSubstr(Printed("载入窗口模板数据段出错!")), Not(HasSubstr("exit routine ran"))));
}

TEST_F(FatalTest, MissingWindowDefinitionEndsTheProgram) {
  EXPECT_EXIT(LoadWindow(0x52010002), ExitedWithCode(255),
              HasSubstr(Printed("载入启动窗口失败")));
}

TEST_F(FatalTest, BoxOfAWindowThatIsNotOpen) {
  EXPECT_EXIT(GetControlText(0x52010002, BoxName(1)), ExitedWithCode(255),
              HasSubstr(Printed("未载入欲访问窗口组件所在的窗口")));
  EXPECT_EXIT(
      {
        window_->close();
        FlushDeletions();
        SetControlText(kMainWindowId, BoxName(4), "1");
      },
      ExitedWithCode(255), HasSubstr(Printed("未载入欲访问窗口组件所在的窗口")));
}

TEST_F(FatalTest, BoxThatDoesNotExist) {
  EXPECT_EXIT(SetControlText(kMainWindowId, BoxName(12), "1"), ExitedWithCode(255),
              HasSubstr(Printed("指定窗口尚未载入")));
  EXPECT_EXIT(GetControlText(kMainWindowId, LabelName(1)), ExitedWithCode(255),
              HasSubstr(Printed("指定窗口尚未载入")));
}

TEST_F(FatalTest, ReadingABoxWithoutMemory) {
  EXPECT_EXIT(
      {
        SetControlText(kMainWindowId, BoxName(1), "2.10");
        SetHeapForTesting([](std::size_t) -> void* { return nullptr; });
        GetControlText(kMainWindowId, BoxName(1));
      },
      ExitedWithCode(255), HasSubstr(Printed("分配 5 字节内存失败!")));
}

// Finds the open message box, hands it to `check`, then presses its OK button.
void AnswerMessageBox(std::function<void(QMessageBox&)> check, bool* answered) {
  QTimer::singleShot(0, [check = std::move(check), answered] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    check(*box);
    box->button(QMessageBox::Ok)->click();
    *answered = true;
  });
}

TEST(FatalBoxTest, ShowsCaptionErrorIconOneOkButtonAndTheReport) {
  bool answered = false;
  AnswerMessageBox(
      [](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), QString::fromUtf8("错误"));
        EXPECT_EQ(box.icon(), QMessageBox::Critical);
        EXPECT_EQ(box.standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        EXPECT_EQ(box.buttons().size(), 1);
        EXPECT_EQ(box.parentWidget(), nullptr);
        EXPECT_TRUE(box.isModal());
        EXPECT_EQ(box.text(),
                  QString::fromUtf8("运行时出错!\n\n错误信息：分配 24 字节内存失败!\n"));
      },
      &answered);
  const std::string message = Cp936("分配 24 字节内存失败!");
  PresentInMessageBox(kFatalCaption, BuildFatalReport(message.c_str(), 0));
  EXPECT_TRUE(answered);
}

TEST(FatalBoxTest, AfterOkTheProgramEndsWithMinusOne) {
  EXPECT_EXIT(
      {
        SetFatalPresenter(&PresentInMessageBox);
        bool answered = false;
        AnswerMessageBox([](QMessageBox&) {}, &answered);
        ReportFatalError(kMessageWindowLoadFailed, 0);
      },
      ExitedWithCode(255), "");
}

TEST(ProgramLifeTest, EscEndsTheProgramWithZeroAfterOneExitRoutine) {
  EXPECT_EXIT(
      {
        QTimer::singleShot(50, [] {
          MainWindow* window = FindOpenWindow(kMainWindowId);
          if (window == nullptr) std::_Exit(7);
          // The shell put its own exit routine in; count it for the check below.
          SetExitRoutine(&PrintExitRoutine);
          // The window's own focus child: on a busy machine the window may not be active yet,
          // and then the application has no focus widget at all.
          QWidget* target = window->focusWidget() != nullptr ? window->focusWidget() : window;
          QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
          QApplication::sendEvent(target, &esc);
        });
        const std::int32_t result = ProgramEntry();
        CleanUp(0);
        CleanUp(0);  // the slot is empty now: the routine runs once
        std::fflush(nullptr);
        std::_Exit(result == 0 ? QuitCode() : 9);
      },
      ExitedWithCode(0), ::testing::Truly([](const std::string& err) {
        const auto first = err.find("exit routine ran");
        return first != std::string::npos &&
               err.find("exit routine ran", first + 1) == std::string::npos;
      }));
}

TEST(ProgramLifeTest, StartUpEntersTheExecutablesFolder) {
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path("/");
  InitShell();
  const std::filesystem::path after = std::filesystem::current_path();
  ForgetWindowDefinitions();
  std::filesystem::current_path(before);
  EXPECT_EQ(after, std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()));
}

TEST(ProgramLifeTest, LoopWithNoWindowReturnsAtOnce) {
  RunEventLoop();
  SetLoopEntered(false);
  SUCCEED();
}

}  // namespace
}  // namespace quillorn::ui::testing
