// The fatal paths as the window meets them, each a death test: the whole report as the box would
// show it, exit code -1 (255 to the shell), and the exit routine never called. A click that runs
// out of memory part-way leaves the boxes it wrote before with their new texts until the end.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

#include "app/fatal_report.h"
#include "app/program_entry.h"
#include "app/shell_state.h"
#include "hostile_fixture.h"
#include "ui/control_text.h"
#include "ui/window_shell.h"

namespace quillorn::ui::testing {
namespace {

using ::testing::AllOf;
using ::testing::ExitedWithCode;
using ::testing::HasSubstr;
using ::testing::Not;

std::string Hex(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    out += kDigits[c >> 4];
    out += kDigits[c & 15];
  }
  return out;
}

// Writes caption and text as hex between markers, then the five result boxes as they stand
// while the report is up, so the parent can match the whole report and nothing else.
void MarkedPresenter(std::string_view caption, std::string_view text) {
  std::string line = "<<" + Hex(caption) + "|" + Hex(text) + ">>";
  if (MainWindow* window = FindOpenWindow(kMainWindowId)) {
    line += " results";
    for (const int n : kOutputBoxes) {
      line += " [" + window->editBox(BoxName(n))->text().toStdString() + "]";
    }
  }
  line += "\n";
  std::fputs(line.c_str(), stderr);
}

void PrintExitRoutine() { std::fputs("exit routine ran\n", stderr); }

// The report for `message` (UTF-8) as MarkedPresenter writes it.
std::string Marked(const char* message) {
  return "<<" + Hex(kFatalCaption) + "|" + Hex(BuildFatalReport(Cp936(message).c_str(), 0)) +
         ">>";
}

// A heap that refuses every block of one size and serves the rest.
std::size_t g_refused_count = 0;
void* RefuseOneSize(std::size_t count) {
  return count == g_refused_count ? nullptr : std::malloc(count);
}

using HostileFatalTest = HostileTest;

TEST_F(HostileFatalTest, EachShellMessageOnItsOwnPathExitsWith255WithoutTheExitRoutine) {
  struct Case {
    const char* message;
    std::function<void()> path;
  };
  const Case cases[] = {
      {"载入启动窗口失败", [] { LoadWindow(0x52010002); }},
      {"未载入欲访问窗口组件所在的窗口",
       [] { (void)GetControlText(0x52010002, BoxName(1)); }},
      {"指定窗口尚未载入", [] { SetControlText(kMainWindowId, BoxName(12), "1"); }},
      {"指定窗口尚未载入", [] { (void)GetControlText(kMainWindowId, Cp936("按钮1")); }},
  };
  for (const Case& c : cases) {
    EXPECT_EXIT(
        {
          SetFatalPresenter(&MarkedPresenter);
          SetExitRoutine(&PrintExitRoutine);
          c.path();
        },
        ExitedWithCode(255),
        AllOf(HasSubstr(Marked(c.message)), Not(HasSubstr("exit routine ran"))))
        << c.message;
  }
}

TEST_F(HostileFatalTest, AClickWithoutMemoryReportsTheBlockAndKeepsWhatItWrote) {
  struct Case {
    const char* what;
    std::size_t refused;  // the size of block the heap refuses
    bool huge;            // 编辑框1 holds "2." and ten million zeros
    const char* message;
    const char* results;  // boxes 4, 8, 9, 10, 11 while the report is up
  };
  // Input texts are ten bytes long, so the first block of 6 bytes is "93.1%" and the first of
  // 3 bytes is "50"; reading ten megabytes asks for them and the terminating zero.
  const Case cases[] = {
      {"reading a ten-megabyte box", 10485763, true, "分配 10485763 字节内存失败!",
       " results [] [] [] [] []"},
      {"joining the first return rate", 6, false, "分配 6 字节内存失败!",
       " results [] [] [] [] []"},
      {"writing the first hedge result", 3, false, "分配 3 字节内存失败!",
       " results [93.1%] [100%] [] [] []"},
  };
  for (const Case& c : cases) {
    FillInputs({"2.10000000", "3.20000000", "3.50000000", "2.00000000", "4.00000000",
                "4.00000000"});
    if (c.huge) Box(1)->setText("2." + QString(10 * 1024 * 1024, u'0'));
    g_refused_count = c.refused;
    EXPECT_EXIT(
        {
          SetFatalPresenter(&MarkedPresenter);
          SetExitRoutine(&PrintExitRoutine);
          SetHeapForTesting(&RefuseOneSize);
          Click();
        },
        ExitedWithCode(255),
        AllOf(HasSubstr(Marked(c.message) + c.results), Not(HasSubstr("exit routine ran"))))
        << c.what;
  }
}

}  // namespace
}  // namespace quillorn::ui::testing
