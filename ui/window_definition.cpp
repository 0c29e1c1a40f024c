#include "ui/window_definition.h"

#include <array>
#include <cstring>

namespace quillorn::ui {
namespace {

// Code page 936 spellings of the kind names and the texts, built from literals so the table
// below stays one line per control.
#define QL_EDIT "\xB1\xE0\xBC\xAD\xBF\xF2"   // 编辑框
#define QL_LABEL "\xB1\xEA\xC7\xA9"          // 标签
#define QL_BUTTON "\xB0\xB4\xC5\xA5"         // 按钮
#define QL_ODDS "\xB8\xC5\xC2\xCA"           // 概率
#define QL_RETURN "\xB7\xB5\xBB\xB9" QL_ODDS // 返还概率
#define QL_GROUP "\xD7\xE9"                  // 组
#define QL_HEDGE "\xB6\xD4\xB3\xE5"          // 对冲
#define QL_RESULT "\xBD\xE1\xB9\xFB"         // 结果

// The note at the foot of the window: three pieces joined by CR LF CR LF.
constexpr char kNote[] =
    // 注意：输入数据必须符合以下规定【概率1＞概率4 ，概率2 概率3 ＞概率5 概率6】
    "\xD7\xA2\xD2\xE2\xA3\xBA\xCA\xE4\xC8\xEB\xCA\xFD\xBE\xDD\xB1\xD8\xD0\xEB\xB7\xFB\xBA\xCF"
    "\xD2\xD4\xCF\xC2\xB9\xE6\xB6\xA8\xA1\xBE" QL_ODDS "1\xA3\xBE" QL_ODDS "4 \xA3\xAC" QL_ODDS
    "2 " QL_ODDS "3 \xA3\xBE" QL_ODDS "5 " QL_ODDS "6\xA1\xBF"
    "\r\n\r\n"
    // 软件参考来源：Varendt老师系列视频：教你足球彩票对冲100%套利【仅供娱乐】
    "\xC8\xED\xBC\xFE\xB2\xCE\xBF\xBC\xC0\xB4\xD4\xB4\xA3\xBAVarendt\xC0\xCF\xCA\xA6\xCF\xB5"
    "\xC1\xD0\xCA\xD3\xC6\xB5\xA3\xBA\xBD\xCC\xC4\xE3\xD7\xE3\xC7\xF2\xB2\xCA\xC6\xB1" QL_HEDGE
    "100%\xCC\xD7\xC0\xFB\xA1\xBE\xBD\xF6\xB9\xA9\xD3\xE9\xC0\xD6\xA1\xBF"
    "\r\n\r\n"
    // 禁止使用本软件进行非法活动，本软件仅进行算法数据测试，不负任何法律责任
    "\xBD\xFB\xD6\xB9\xCA\xB9\xD3\xC3\xB1\xBE\xC8\xED\xBC\xFE\xBD\xF8\xD0\xD0\xB7\xC7\xB7\xA8"
    "\xBB\xEE\xB6\xAF\xA3\xAC\xB1\xBE\xC8\xED\xBC\xFE\xBD\xF6\xBD\xF8\xD0\xD0\xCB\xE3\xB7\xA8"
    "\xCA\xFD\xBE\xDD\xB2\xE2\xCA\xD4\xA3\xAC\xB2\xBB\xB8\xBA\xC8\xCE\xBA\xCE\xB7\xA8\xC2\xC9"
    "\xD4\xF0\xC8\xCE";

constexpr ControlDefinition Box(const char* name, std::int32_t left, std::int32_t top,
                                bool read_only) {
  return {name, ControlKind::kEditBox, left, top, 80, 32, true, true, true, 0,
          nullptr, TextAlignment::kCentre, read_only, Handler::kNone};
}
constexpr ControlDefinition Label(const char* name, std::int32_t left, std::int32_t top,
                                  std::int32_t width, std::int32_t height, const char* text,
                                  TextAlignment alignment = TextAlignment::kCentre) {
  return {name, ControlKind::kLabel, left, top, width, height, true, true, false, 0,
          text, alignment, false, Handler::kNone};
}
constexpr ControlDefinition Button(const char* name, std::int32_t left, std::int32_t top,
                                   std::int32_t width, std::int32_t height, const char* text,
                                   Handler click) {
  return {name, ControlKind::kButton, left, top, width, height, true, true, true, 0,
          text, TextAlignment::kCentre, false, click};
}

constexpr bool kReadOnly = true;
constexpr bool kInput = false;

// The main window's controls in creation order (Tab order and stacking follow it).
constexpr std::array<ControlDefinition, 27> kMainControls = {{
    Box(QL_EDIT "1", 64, 40, kInput),
    Box(QL_EDIT "2", 160, 40, kInput),
    Box(QL_EDIT "3", 256, 40, kInput),
    Box(QL_EDIT "4", 368, 40, kReadOnly),
    Button(QL_BUTTON "1", 360, 176, 104, 40, "\xC0\xED\xC2\xDB" QL_HEDGE,  // 理论对冲
           Handler::kCalculateHedge),
    Box(QL_EDIT "5", 64, 112, kInput),
    Box(QL_EDIT "6", 160, 112, kInput),
    Box(QL_EDIT "7", 256, 112, kInput),
    Box(QL_EDIT "8", 368, 112, kReadOnly),
    Box(QL_EDIT "9", 64, 184, kReadOnly),
    Box(QL_EDIT "10", 160, 184, kReadOnly),
    Box(QL_EDIT "11", 256, 184, kReadOnly),
    Label(QL_LABEL "1", 72, 8, 64, 24, QL_ODDS "1"),
    Label(QL_LABEL "2", 168, 8, 64, 24, QL_ODDS "2"),
    Label(QL_LABEL "3", 264, 8, 64, 24, QL_ODDS "3"),
    Label(QL_LABEL "4", 72, 80, 64, 24, QL_ODDS "4"),
    Label(QL_LABEL "5", 168, 80, 64, 24, QL_ODDS "5"),
    Label(QL_LABEL "6", 264, 80, 64, 24, QL_ODDS "6"),
    Label(QL_LABEL "7", 376, 8, 64, 24, QL_RETURN "1"),
    Label(QL_LABEL "8", 376, 80, 64, 24, QL_RETURN "2"),
    Label(QL_LABEL "9", 8, 48, 48, 24, "1" QL_GROUP),
    Label(QL_LABEL "10", 8, 120, 48, 24, "2" QL_GROUP),
    Label(QL_LABEL "11", 8, 184, 56, 24, QL_HEDGE),
    Label(QL_LABEL "12", 72, 152, 64, 24, QL_RESULT "1"),
    Label(QL_LABEL "13", 168, 152, 64, 24, QL_RESULT "2"),
    Label(QL_LABEL "14", 264, 152, 64, 24, QL_RESULT "3"),
    Label(QL_LABEL "15", 16, 240, 448, 72, kNote, TextAlignment::kLeft),
}};

constexpr std::array<WindowDefinition, 1> kWindows = {{
    {kMainWindowId, "Quillorn", 483, 366, /*sizable=*/true, /*minimize_button=*/true,
     /*maximize_button=*/false, /*esc_closes=*/true, kMainControls},
}};

}  // namespace

std::span<const WindowDefinition> StoredWindowDefinitions() noexcept { return kWindows; }

const WindowDefinition& MainWindowDefinition() noexcept { return kWindows[0]; }

const WindowDefinition* FindWindowDefinition(std::span<const WindowDefinition> definitions,
                                             std::uint32_t identifier) noexcept {
  for (const WindowDefinition& definition : definitions) {
    if (definition.identifier == identifier) return &definition;
  }
  return nullptr;
}

bool IsWellFormed(const WindowDefinition& definition) noexcept {
  if (definition.caption == nullptr || definition.width <= 0 || definition.height <= 0) {
    return false;
  }
  const auto controls = definition.controls;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const ControlDefinition& control = controls[i];
    if (control.name == nullptr || *control.name == '\0') return false;
    if (control.width < 0 || control.height < 0) return false;
    if (control.kind != ControlKind::kEditBox && control.text == nullptr) return false;
    if (control.kind != ControlKind::kButton && control.click != Handler::kNone) return false;
    for (std::size_t j = 0; j < i; ++j) {
      if (std::strcmp(controls[j].name, control.name) == 0) return false;
    }
  }
  return true;
}

}  // namespace quillorn::ui
