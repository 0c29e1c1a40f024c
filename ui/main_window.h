#pragma once
// The main window, built from its definition: the frame settings, the 27 controls in creation
// order (later ones stacked on top), the Tab order, and the window's own keys, which it sees
// before the focused control does:
//
//   Tab         -> next control of the Tab order, from the last back to the first
//   Shift+Tab   -> previous control, from the first back to the last
//   Esc         -> closes the window as its close button does
//   anything else (Enter, Ctrl+Tab, Shift+Esc, ...) goes on to the focused control
//
// Closing destroys the window at once, with no question.
#include <QRect>
#include <QWidget>
#include <cstdint>
#include <string_view>
#include <vector>

#include "ui/window_definition.h"

class QKeyEvent;

namespace quillorn::ui {

class EditBox;
using HandlerRoutine = void (*)();

class MainWindow final : public QWidget {
 public:
  // Creates the window hidden, with all its controls; `click` runs on a click of the button
  // whose definition names a handler.
  MainWindow(const WindowDefinition& definition, HandlerRoutine click);
  ~MainWindow() override;

  const WindowDefinition& definition() const noexcept { return definition_; }
  // The control with this code page 936 name, or nullptr.
  QWidget* control(std::string_view name) const noexcept;
  // The edit box with this name, or nullptr when no edit box has it.
  EditBox* editBox(std::string_view name) const noexcept;
  // The controls that take the focus by the keyboard, in Tab order.
  const std::vector<QWidget*>& tabOrder() const noexcept { return tab_order_; }

  // Places the window centred on the primary screen, shows and activates it with the focus in
  // the first control of the Tab order, and makes its outer size that of the definition.
  void ShowCentred();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Control {
    const ControlDefinition* definition;
    QWidget* widget;
    EditBox* box;  // nullptr unless the control is an edit box
  };

  void CreateControl(const ControlDefinition& definition, HandlerRoutine click);
  bool TakeKey(const QKeyEvent& key);
  void MoveFocus(bool forward);
  void FitOuterSize();

  const WindowDefinition& definition_;
  std::vector<Control> controls_;
  std::vector<QWidget*> tab_order_;
  QPoint placed_;
  bool placing_ = false;
};

}  // namespace quillorn::ui
