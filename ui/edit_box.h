#pragma once
// One edit box of the window: a single-line QLineEdit with centred text, black on white in both
// input modes (a read-only box is never greyed), no length limit, every character accepted. A
// read-only box still takes the focus and lets the user select and copy; an input method stays
// off in it, and text committed into it anyway is dropped.
//
// TextChangeNotified fires after every change the user makes and exactly once per ReplaceText,
// also when the new text equals the old one.
#include <QLineEdit>
#include <QString>

namespace quillorn::ui {

class EditBox final : public QLineEdit {
  Q_OBJECT

 public:
  EditBox(bool read_only, QWidget* parent);

  // The program's write: replaces the whole text in either input mode, moves no focus and
  // raises one notification.
  void ReplaceText(const QString& text);

  using QLineEdit::inputMethodQuery;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

 signals:
  void TextChangeNotified();

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  void ShowSelection(bool shown);

  bool replacing_ = false;
};

}  // namespace quillorn::ui
