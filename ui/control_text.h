#pragma once
// Reading and writing an edit box's text, named by its window and its code page 936 name, and
// the click handler of the main window's button.
//
//   GetControlText(kMainWindowId, "编辑框1")  with "2.10" in the box -> Text "2.10"
//   GetControlText(kMainWindowId, "编辑框1")  with the box empty      -> absent Text
//   SetControlText(kMainWindowId, "编辑框4", "93.1%")  -> the box shows 93.1%, one notification
//   SetControlText(kMainWindowId, "编辑框4", nullptr)  -> the box is empty
//   either, with the window not open  -> ReportFatalError("未载入欲访问窗口组件所在的窗口", 0)
//   either, with no edit box of that name -> ReportFatalError("指定窗口尚未载入", 0)
#include <cstdint>
#include <string_view>

#include "app/text_memory.h"

namespace quillorn::ui {

// A new text holding the box's whole text in code page 936, or an absent text for an empty
// box. Changes nothing in the box.
Text GetControlText(std::uint32_t window, std::string_view box);
// Replaces the box's whole text with a copy of `text` (nullptr empties it), read-only or not;
// moves no focus and raises the box's text-changed notification once.
void SetControlText(std::uint32_t window, std::string_view box, const char* text);

// The click of 按钮1: runs the hedge calculation on the main window's edit boxes.
void CalculateHedge();

}  // namespace quillorn::ui
