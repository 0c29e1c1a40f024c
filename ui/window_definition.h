#pragma once
// The fixed definition of the program's windows: one window, 27 controls in creation order.
// Every text here is code page 936; it becomes a Qt string only when the window is built.
//
//   FindWindowDefinition(StoredWindowDefinitions(), kMainWindowId)->controls.size()  -> 27
//   FindWindowDefinition(StoredWindowDefinitions(), 0x1234)                          -> nullptr
//   MainWindowDefinition().controls[4].name  -> "按钮1" (creation order 5)
#include <cstdint>
#include <span>
#include <string_view>

namespace quillorn::ui {

inline constexpr std::uint32_t kMainWindowId = 0x52010001;

enum class ControlKind : std::uint8_t { kLabel, kEditBox, kButton };
enum class TextAlignment : std::uint8_t { kLeft, kCentre };
// The routines a definition may name for an event; InitShell binds each to its code.
enum class Handler : std::uint8_t { kNone, kCalculateHedge };

struct ControlDefinition {
  const char* name;  // unique within the window: "编辑框1", "标签15", "按钮1"
  ControlKind kind;
  std::int32_t left, top, width, height;  // client coordinates of the window
  bool visible, enabled, tab_stop;
  std::int32_t tab_order;  // sort key of the Tab order; equal keys keep creation order
  const char* text;        // label or button text; nullptr for an edit box
  TextAlignment alignment; // labels only
  bool read_only;          // edit boxes only
  Handler click;           // buttons only
};

struct WindowDefinition {
  std::uint32_t identifier;
  const char* caption;
  std::int32_t width, height;  // outer size, frame and title bar included
  bool sizable, minimize_button, maximize_button, esc_closes;
  std::span<const ControlDefinition> controls;  // creation order = stacking order, last on top
};

// Every window of the program (one).
std::span<const WindowDefinition> StoredWindowDefinitions() noexcept;
// The main window's definition.
const WindowDefinition& MainWindowDefinition() noexcept;
// The definition with `identifier`, or nullptr.
const WindowDefinition* FindWindowDefinition(std::span<const WindowDefinition> definitions,
                                             std::uint32_t identifier) noexcept;
// True when the definition can be built: a caption, a positive size, named controls with unique
// names, a text for each label and button, and no click binding outside buttons.
bool IsWellFormed(const WindowDefinition& definition) noexcept;

}  // namespace quillorn::ui
