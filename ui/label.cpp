#include "ui/label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <utility>

namespace quillorn::ui {
namespace {

// A label is static text to a screen reader, named by what it shows; as a plain widget it would
// be an unnamed pane.
QAccessibleInterface* LabelAccessible(const QString&, QObject* object) {
  auto* label = dynamic_cast<Label*>(object);
  return label != nullptr ? new QAccessibleWidget(label, QAccessible::StaticText) : nullptr;
}

}  // namespace

Label::Label(QString text, TextAlignment alignment, QWidget* parent)
    : QWidget(parent), text_(std::move(text)), alignment_(alignment) {
  static const bool accessible = (QAccessible::installFactory(&LabelAccessible), true);
  (void)accessible;
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAccessibleName(text_);
}

int Label::drawFlags() const noexcept {
  // TextSingleLine draws CR and LF as spaces instead of breaking the line; without word wrap or
  // elision the text runs on and the label's edge cuts it.
  const int horizontal = alignment_ == TextAlignment::kLeft ? Qt::AlignLeft : Qt::AlignHCenter;
  return horizontal | Qt::AlignVCenter | Qt::TextSingleLine;
}

void Label::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect area = rect();
  painter.fillRect(area, palette().color(QPalette::Button));
  if (text_.isEmpty()) return;
  painter.setClipRect(area);
  painter.setPen(Qt::black);
  painter.drawText(area, drawFlags(), text_);
}

}  // namespace quillorn::ui
