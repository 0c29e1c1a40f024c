#pragma once
// Where a window of a given outer size first appears: centred on the primary screen's full size
// (taskbar included), each half truncated toward zero.
//
//   CentreOnScreen(1024, 768, 483, 366) -> {270, 201}
//   CentreOnScreen(400, 768, 483, 366)  -> {-41, 201}   (narrower than the window)
//   CentreOnScreen(1920, 1080, 483, 366) -> {718, 357}
#include <cstdint>

namespace quillorn::ui {

struct ScreenPoint {
  std::int32_t x;
  std::int32_t y;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

constexpr ScreenPoint CentreOnScreen(std::int32_t screen_width, std::int32_t screen_height,
                                     std::int32_t width, std::int32_t height) noexcept {
  // C++ integer division truncates toward zero, which is what a narrow screen needs.
  return {(screen_width - width) / 2, (screen_height - height) / 2};
}

}  // namespace quillorn::ui
