#pragma once
// The window fixture with what the hostile-input tests share: filling the six input boxes,
// pasting through the clipboard as a person would, clicking 按钮1 and reading what the boxes
// hold and hand out.
#include <QString>
#include <array>
#include <string>

#include "window_fixture.h"

namespace quillorn::ui::testing {

inline constexpr std::array<int, 6> kInputBoxes = {1, 2, 3, 5, 6, 7};
inline constexpr std::array<int, 5> kOutputBoxes = {4, 8, 9, 10, 11};

// The texts of boxes 4, 8, 9, 10 and 11, as UTF-8.
using Results = std::array<std::string, 5>;

// The resident memory of this process, from /proc/self/statm.
std::size_t ResidentBytes();

class HostileTest : public WindowTest {
 protected:
  // Writes the six input boxes directly (UTF-8 texts, boxes 1, 2, 3, 5, 6, 7).
  void FillInputs(const std::array<const char*, 6>& odds);
  // Puts `text` on the clipboard, focuses box n, selects all of it and presses Ctrl+V.
  void PasteInto(int n, const QString& text);
  // A left click on 按钮1.
  void Click();
  Results Shown() const;
  // The bytes GetControlText hands out for box n ("" for no text).
  std::string Handed(int n) const;
};

}  // namespace quillorn::ui::testing
