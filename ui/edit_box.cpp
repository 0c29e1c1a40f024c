#include "ui/edit_box.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QPalette>
#include <limits>

namespace quillorn::ui {

EditBox::EditBox(bool read_only, QWidget* parent) : QLineEdit(parent) {
  setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  setFrame(true);
  setMaxLength(std::numeric_limits<int>::max());
  setReadOnly(read_only);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_MacShowFocusRect, false);

  // Black on white in every state, so an output box looks exactly like an input box.
  QPalette colours = palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    colours.setColor(group, QPalette::Base, Qt::white);
    colours.setColor(group, QPalette::Text, Qt::black);
  }
  setPalette(colours);
  ShowSelection(false);

  // QLineEdit reports a programmatic setText only when the text differs; ReplaceText raises its
  // own notification instead, so this covers the user's edits alone.
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (!replacing_) emit TextChangeNotified();
  });
}

void EditBox::ReplaceText(const QString& text) {
  replacing_ = true;
  setText(text);
  replacing_ = false;
  emit TextChangeNotified();
}

void EditBox::focusInEvent(QFocusEvent* event) {
  ShowSelection(true);
  QLineEdit::focusInEvent(event);
}

void EditBox::focusOutEvent(QFocusEvent* event) {
  ShowSelection(false);
  QLineEdit::focusOutEvent(event);
}

// QLineEdit keeps the input method on in a read-only box and inserts what it commits, so a
// Chinese input method could write into an output box. A read-only box tells the input method it
// takes no text, and drops composing and committed text alike.
QVariant EditBox::inputMethodQuery(Qt::InputMethodQuery query) const {
  if (query == Qt::ImEnabled && isReadOnly()) return false;
  return QLineEdit::inputMethodQuery(query);
}

void EditBox::inputMethodEvent(QInputMethodEvent* event) {
  if (isReadOnly()) {
    event->ignore();
    return;
  }
  QLineEdit::inputMethodEvent(event);
}

// The selection is highlighted only while the box has the focus: without it the highlight
// colours are the box's own, so a kept selection does not show.
void EditBox::ShowSelection(bool shown) {
  const QPalette system = QApplication::palette(this);
  QPalette colours = palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive}) {
    colours.setColor(group, QPalette::Highlight,
                     shown ? system.color(group, QPalette::Highlight) : QColor(Qt::white));
    colours.setColor(group, QPalette::HighlightedText,
                     shown ? system.color(group, QPalette::HighlightedText) : QColor(Qt::black));
  }
  setPalette(colours);
}

}  // namespace quillorn::ui
