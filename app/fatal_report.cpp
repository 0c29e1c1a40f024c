#include "app/fatal_report.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "app/shell_state.h"

namespace quillorn {
namespace {

constexpr char kReportHead[] = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n";  // 运行时出错!
constexpr char kCodeLabel[] = "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA";             // 错误代码：
constexpr char kMessageLabel[] = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";          // 错误信息：

FatalPresenter g_presenter = &PresentOnStandardError;

// Code page 936 to UTF-8 through the C library; bytes it cannot convert are written as '?'.
std::string ToUtf8(std::string_view cp936) {
  std::string out;
  iconv_t cd = iconv_open("UTF-8", "GBK");
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(cp936);
  std::string in(cp936);
  char* src = in.data();
  std::size_t left = in.size();
  char buffer[256];
  while (left > 0) {
    char* dst = buffer;
    std::size_t room = sizeof buffer;
    const std::size_t rc = iconv(cd, &src, &left, &dst, &room);
    out.append(buffer, static_cast<std::size_t>(dst - buffer));
    if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
      out.push_back('?');
      ++src;
      --left;
    }
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string BuildFatalReport(const char* message, std::int32_t code) {
  std::string text = kReportHead;
  if (code != 0) {
    text += kCodeLabel;
    text += std::to_string(code);
    text += "\r\n\r\n";
  }
  if (message != nullptr && *message != '\0') {
    text += kMessageLabel;
    text += message;
    text += "\r\n";
  }
  return text;
}

void SetFatalPresenter(FatalPresenter presenter) noexcept {
  g_presenter = presenter ? presenter : &PresentOnStandardError;
}

void PresentOnStandardError(std::string_view caption, std::string_view text) {
  const std::string line = ToUtf8(caption) + ": " + ToUtf8(text);
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

void ReportFatalError(const char* message, std::int32_t code) {
  const std::string text = BuildFatalReport(message, code);
  g_presenter(kFatalCaption, text);
  ClearExitRoutine();
  CleanUp(-1);
  std::fflush(nullptr);
  std::_Exit(-1);
}

}  // namespace quillorn
