#include "ui/accessible_names.h"

namespace quillorn::ui {
namespace {

bool SpansOverlap(std::int32_t a_start, std::int32_t a_size, std::int32_t b_start,
                  std::int32_t b_size) {
  return a_start < b_start + b_size && b_start < a_start + a_size;
}

// The label nearest to the control on its left (in the same row) or above it (in the same
// column), or nullptr when there is none.
const ControlDefinition* Heading(const WindowDefinition& window,
                                 const ControlDefinition& control, bool left_of) {
  const ControlDefinition* nearest = nullptr;
  std::int32_t nearest_edge = 0;
  for (const ControlDefinition& label : window.controls) {
    if (label.kind != ControlKind::kLabel || label.text == nullptr) continue;
    const bool lines_up =
        left_of ? SpansOverlap(label.top, label.height, control.top, control.height)
                : SpansOverlap(label.left, label.width, control.left, control.width);
    const std::int32_t edge = left_of ? label.left + label.width : label.top + label.height;
    const std::int32_t limit = left_of ? control.left : control.top;
    if (!lines_up || edge > limit) continue;
    if (nearest == nullptr || edge > nearest_edge) {
      nearest = &label;
      nearest_edge = edge;
    }
  }
  return nearest;
}

}  // namespace

std::string AccessibleName(const WindowDefinition& window, const ControlDefinition& control) {
  switch (control.kind) {
    case ControlKind::kButton:
      return control.text != nullptr ? control.text : "";
    case ControlKind::kLabel:
      return {};
    case ControlKind::kEditBox:
      break;
  }
  std::string name;
  for (const bool left_of : {true, false}) {
    const ControlDefinition* heading = Heading(window, control, left_of);
    if (heading == nullptr) continue;
    if (!name.empty()) name += ' ';
    name += heading->text;
  }
  return name;
}

}  // namespace quillorn::ui
