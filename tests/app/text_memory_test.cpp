// The text memory, the exit-routine slot and the fatal report.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/fatal_report.h"
#include "app/shell_state.h"
#include "app/text_memory.h"

namespace quillorn {
namespace {

TEST(TextMemory, ReleaseOfNothingOrAConstantDoesNothing) {
  ReleaseMemory(nullptr);
  ReleaseMemory(kEmptyText);
  ReleaseMemory(kPercentText);
  EXPECT_STREQ(kEmptyText, "");
  EXPECT_STREQ(kPercentText, "%");
  EXPECT_TRUE(IsProgramConstant(kEmptyText));
  EXPECT_TRUE(IsProgramConstant(kPercentText + 1));
  Text owned = Text::Copy("");
  EXPECT_FALSE(IsProgramConstant(owned.get()));
}

TEST(TextMemory, TextOwnsACopyAndHandsItOver) {
  const std::string source = "96.6";
  Text t = Text::Copy(source);
  ASSERT_FALSE(t.absent());
  EXPECT_NE(static_cast<const void*>(t.get()), static_cast<const void*>(source.data()));
  EXPECT_EQ(t.view(), "96.6");
  EXPECT_EQ(t.get()[4], '\0');

  Text moved = std::move(t);
  EXPECT_TRUE(t.absent());  // NOLINT(bugprone-use-after-move): the handle is empty after a move
  EXPECT_EQ(moved.view(), "96.6");

  char* block = moved.release();
  EXPECT_TRUE(moved.absent());
  ReleaseMemory(block);

  Text absent;
  EXPECT_EQ(absent.get(), nullptr);
  EXPECT_EQ(absent.view(), "");
}

// The fatal path ends the process, so each case runs in a death test. The child writes what the
// presenter was given as hex to standard error, which the parent matches exactly.
std::string Hex(std::string_view bytes) {
  std::string out;
  char digits[3];
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    std::snprintf(digits, sizeof digits, "%02X", c);
    out += digits;
  }
  return out;
}

void HexPresenter(std::string_view caption, std::string_view text) {
  const std::string line = Hex(caption) + "|" + Hex(text) + "\n";
  std::fputs(line.c_str(), stderr);
}

void LoudExitRoutine() { std::fputs("OnExit ran\n", stderr); }

void* RefuseEverything(std::size_t) { return nullptr; }

class FatalReport : public ::testing::Test {
 protected:
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
  void TearDown() override {
    SetFatalPresenter(nullptr);
    SetHeapForTesting(nullptr);
    ClearExitRoutine();
  }
  static std::string Expected(std::string_view text) {
    return "^" + Hex("\xB4\xED\xCE\xF3") + "\\|" + Hex(text) + "\n$";
  }
};

TEST_F(FatalReport, FailedAllocationOf24BytesShowsItsCountAndExitsMinusOne) {
  EXPECT_EXIT(
      {
        SetFatalPresenter(&HexPresenter);
        SetExitRoutine(&LoudExitRoutine);
        SetHeapForTesting(&RefuseEverything);
        AllocateMemory(24);
      },
      ::testing::ExitedWithCode(255),
      Expected("\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n"             // 运行时出错!
               "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA"                       // 错误信息：
               "\xB7\xD6\xC5\xE4 24 \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!\r\n"));
}

TEST_F(FatalReport, CodeLineOnlyForNonZeroCodeAndMessageLineOnlyForAMessage) {
  struct Case {
    const char* message;
    std::int32_t code;
    std::string expected;
  };
  const std::string head = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n";
  const std::string code_label = "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA";
  const std::string message_label = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";
  const Case cases[] = {
      {nullptr, 0, head},
      {"", 0, head},
      {"x", 0, head + message_label + "x\r\n"},
      {"", -7, head + code_label + "-7\r\n\r\n"},
      {"x", 2147483647, head + code_label + "2147483647\r\n\r\n" + message_label + "x\r\n"},
      {kMessageDefinitionsUnreadable, 0, head + message_label + kMessageDefinitionsUnreadable + "\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BuildFatalReport(c.message, c.code), c.expected) << c.code;
  }
}

TEST_F(FatalReport, EveryShellMessageEndsWithExitCode255WithoutOnExit) {
  for (const char* message : {kMessageDefinitionsUnreadable, kMessageWindowLoadFailed,
                              kMessageWindowNotLoaded, kMessageControlNotLoaded}) {
    EXPECT_EXIT(
        {
          SetFatalPresenter(&HexPresenter);
          SetExitRoutine(&LoudExitRoutine);
          ReportFatalError(message, 0);
        },
        ::testing::ExitedWithCode(255), Expected(BuildFatalReport(message, 0)));
  }
}

int g_exit_calls = 0;
void CountingExitRoutine() { ++g_exit_calls; }

TEST(ShellState, CleanUpCallsTheExitRoutineOnceAndALaterRoutineReplacesAnEarlierOne) {
  g_exit_calls = 0;
  SetExitRoutine(&LoudExitRoutine);
  SetExitRoutine(&CountingExitRoutine);
  CleanUp(0);
  CleanUp(0);
  EXPECT_EQ(g_exit_calls, 1);
}

}  // namespace
}  // namespace quillorn
