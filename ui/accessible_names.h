#pragma once
// What a screen reader calls each control, read off the window definition the way a person
// reads the window: an edit box by the heading at its left and the heading above it, joined by
// a space; the button by its caption. Code page 936 in, code page 936 out.
//
//   AccessibleName(MainWindowDefinition(), <编辑框1>)   -> "1组 概率1"
//   AccessibleName(MainWindowDefinition(), <编辑框8>)   -> "2组 返还概率2"
//   AccessibleName(MainWindowDefinition(), <编辑框11>)  -> "对冲 结果3"
//   AccessibleName(MainWindowDefinition(), <按钮1>)     -> "理论对冲"
//   AccessibleName(MainWindowDefinition(), <标签1>)     -> ""   (a label is a heading itself)
//   an edit box with a heading on one side only       -> that heading alone
#include <string>

#include "ui/window_definition.h"

namespace quillorn::ui {

std::string AccessibleName(const WindowDefinition& window, const ControlDefinition& control);

}  // namespace quillorn::ui
