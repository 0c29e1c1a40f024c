#pragma once
// The one abnormal end of the process: a report, then exit code -1 (255 as a shell sees it).
//
//   BuildFatalReport("分配 24 字节内存失败!", 0)
//     -> "运行时出错!\r\n\r\n错误信息：分配 24 字节内存失败!\r\n"
//   BuildFatalReport("", 7)      -> "运行时出错!\r\n\r\n错误代码：7\r\n\r\n"
//   BuildFatalReport(nullptr, 0) -> "运行时出错!\r\n\r\n"
// All texts here are code page 936 bytes (the comments show them as characters).
#include <cstdint>
#include <string>
#include <string_view>

namespace quillorn {

// The messages of the shell, code page 936.
inline constexpr char kFatalCaption[] = "\xB4\xED\xCE\xF3";  // 错误
inline constexpr char kMessageDefinitionsUnreadable[] =       // 载入窗口模板数据段出错!
    "\xD4\xD8\xC8\xEB\xB4\xB0\xBF\xDA\xC4\xA3\xB0\xE5\xCA\xFD\xBE\xDD\xB6\xCE\xB3\xF6\xB4\xED!";
inline constexpr char kMessageWindowLoadFailed[] =  // 载入启动窗口失败
    "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC";
inline constexpr char kMessageAllocationFailed[] =  // 分配 %d 字节内存失败!
    "\xB7\xD6\xC5\xE4 %d \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!";
inline constexpr char kMessageWindowNotLoaded[] =  // 未载入欲访问窗口组件所在的窗口
    "\xCE\xB4\xD4\xD8\xC8\xEB\xD3\xFB\xB7\xC3\xCE\xCA\xB4\xB0\xBF\xDA\xD7\xE9\xBC\xFE\xCB\xF9\xD4\xDA"
    "\xB5\xC4\xB4\xB0\xBF\xDA";
inline constexpr char kMessageControlNotLoaded[] =  // 指定窗口尚未载入
    "\xD6\xB8\xB6\xA8\xB4\xB0\xBF\xDA\xC9\xD0\xCE\xB4\xD4\xD8\xC8\xEB";

// The text of the report: "运行时出错!\r\n\r\n", a "错误代码：" line for a non-zero code, then
// "错误信息：" and the message for a non-empty message.
std::string BuildFatalReport(const char* message, std::int32_t code);

// Shows the report and waits until the person has seen it. Caption and text are code page 936.
using FatalPresenter = void (*)(std::string_view caption, std::string_view text);
// Until the window exists the report goes to standard error as UTF-8. The window puts its
// message box here; tests put a recorder here. nullptr restores standard error.
void SetFatalPresenter(FatalPresenter presenter) noexcept;
// Writes caption and text to standard error, converted to UTF-8.
void PresentOnStandardError(std::string_view caption, std::string_view text);

// Builds the report, shows it, empties the exit-routine slot without calling it, cleans up with
// code -1 and ends the process with exit code -1. A null or empty message adds no message line.
[[noreturn]] void ReportFatalError(const char* message, std::int32_t code);

}  // namespace quillorn
