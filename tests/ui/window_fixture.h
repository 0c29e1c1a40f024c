#pragma once
// A fresh main window for each test, shown offscreen and active, with the click of 按钮1 bound to
// the hedge calculation through a counter.
#include <gtest/gtest.h>

#include <QPointer>
#include <QPushButton>
#include <QString>
#include <string>

#include "ui/edit_box.h"
#include "ui/label.h"
#include "ui/main_window.h"

namespace quillorn::ui::testing {

// The code page 936 bytes of a UTF-8 literal.
std::string Cp936(const char* utf8);
// 编辑框n, 标签n as code page 936 names.
std::string BoxName(int n);
std::string LabelName(int n);

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Closes the current window (if any) and opens a new one.
  void ReloadWindow();
  // Runs pending deletions, as the event loop would after a close.
  static void FlushDeletions();

  EditBox* Box(int n) const;
  QPushButton* Button() const;
  Label* LabelNumber(int n) const;
  QWidget* Focused() const;

  // Types `text` into the focused control, one key event per character (full-width characters
  // and emoji included).
  static void Type(const QString& text);
  // Focuses box n, selects its text and types `text` over it.
  void TypeInto(int n, const QString& text);
  static void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

  QPointer<MainWindow> window_;

 public:
  static int clicks_;  // runs of the click routine since the test began
};

}  // namespace quillorn::ui::testing
