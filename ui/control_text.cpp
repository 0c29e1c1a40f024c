#include "ui/control_text.h"

#include <array>

#include "app/fatal_report.h"
#include "hedge/hedge.h"
#include "ui/edit_box.h"
#include "ui/main_window.h"
#include "ui/text_boundary.h"
#include "ui/window_shell.h"

namespace quillorn::ui {
namespace {

EditBox& FindBox(std::uint32_t window_id, std::string_view name) {
  MainWindow* window = FindOpenWindow(window_id);
  if (window == nullptr) ReportFatalError(kMessageWindowNotLoaded, 0);
  EditBox* box = window->editBox(name);
  if (box == nullptr) ReportFatalError(kMessageControlNotLoaded, 0);
  return *box;
}

#define QL_EDIT "\xB1\xE0\xBC\xAD\xBF\xF2"  // 编辑框
// The names of the main window's boxes by number; index 0 names no box.
constexpr std::array<const char*, 12> kBoxNames = {
    "",          QL_EDIT "1", QL_EDIT "2", QL_EDIT "3",  QL_EDIT "4",  QL_EDIT "5",
    QL_EDIT "6", QL_EDIT "7", QL_EDIT "8", QL_EDIT "9",  QL_EDIT "10", QL_EDIT "11"};

std::string_view BoxName(int box) {
  return box >= 1 && box <= 11 ? kBoxNames[static_cast<std::size_t>(box)] : std::string_view();
}

// The calculation's view of the main window: box n is 编辑框n.
class MainWindowBoxes final : public HedgeBoxes {
 public:
  Text GetControlText(int box) override { return ui::GetControlText(kMainWindowId, BoxName(box)); }
  void SetControlText(int box, const char* text) override {
    ui::SetControlText(kMainWindowId, BoxName(box), text);
  }
};

}  // namespace

Text GetControlText(std::uint32_t window, std::string_view box) {
  const QString text = FindBox(window, box).text();
  if (text.isEmpty()) return Text{};
  return Text::Copy(ToCodePage936(text));
}

void SetControlText(std::uint32_t window, std::string_view box, const char* text) {
  EditBox& target = FindBox(window, box);
  target.ReplaceText(text != nullptr ? FromCodePage936(text) : QString());
}

void CalculateHedge() {
  MainWindowBoxes boxes;
  quillorn::CalculateHedge(boxes);
}

}  // namespace quillorn::ui
