#pragma once
// The fatal report as the person sees it: a modal message box without owner, caption "错误",
// the error icon, one OK button and the report text (code page 936; CR LF become line breaks).
// Without a QApplication it falls back to standard error.
#include <string_view>

namespace quillorn::ui {

void PresentInMessageBox(std::string_view caption, std::string_view text);

}  // namespace quillorn::ui
