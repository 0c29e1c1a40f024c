#pragma once
// A label the program paints itself: filled with the button face, one line of black text
// (carriage returns and line feeds never start a new line), aligned left or centred, centred
// vertically, cut off at the label's edges. It never takes the focus, and a click on it does
// nothing.
#include <QString>
#include <QWidget>

#include "ui/window_definition.h"

namespace quillorn::ui {

class Label final : public QWidget {
 public:
  Label(QString text, TextAlignment alignment, QWidget* parent);

  const QString& text() const noexcept { return text_; }
  // The flags the text is drawn with: one line, the label's alignment, centred vertically.
  int drawFlags() const noexcept;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  TextAlignment alignment_;
};

}  // namespace quillorn::ui
