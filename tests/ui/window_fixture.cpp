#include "window_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "ui/control_text.h"
#include "ui/text_boundary.h"
#include "ui/window_shell.h"

namespace quillorn::ui::testing {

int WindowTest::clicks_ = 0;

namespace {
void CountedCalculation() {
  ++WindowTest::clicks_;
  CalculateHedge();
}
constexpr HandlerBinding kBindings[] = {{Handler::kCalculateHedge, &CountedCalculation}};
}  // namespace

std::string Cp936(const char* utf8) { return ToCodePage936(QString::fromUtf8(utf8)); }
std::string BoxName(int n) { return Cp936("编辑框") + std::to_string(n); }
std::string LabelName(int n) { return Cp936("标签") + std::to_string(n); }

void WindowTest::SetUp() {
  clicks_ = 0;
  ASSERT_TRUE(ReadWindowDefinitions(StoredWindowDefinitions(), kBindings));
  ReloadWindow();
}

void WindowTest::TearDown() {
  if (window_) window_->close();
  FlushDeletions();
  EXPECT_EQ(OpenWindowCount(), 0u);
  ForgetWindowDefinitions();
}

void WindowTest::ReloadWindow() {
  if (window_) window_->close();
  FlushDeletions();
  LoadWindow(kMainWindowId);
  window_ = FindOpenWindow(kMainWindowId);
  ASSERT_NE(window_, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_, 5000));
}

void WindowTest::FlushDeletions() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

EditBox* WindowTest::Box(int n) const { return window_->editBox(BoxName(n)); }
QPushButton* WindowTest::Button() const {
  return qobject_cast<QPushButton*>(window_->control(Cp936("按钮1")));
}
Label* WindowTest::LabelNumber(int n) const {
  return dynamic_cast<Label*>(window_->control(LabelName(n)));
}
QWidget* WindowTest::Focused() const { return QApplication::focusWidget(); }

void WindowTest::Type(const QString& text) {
  // QTest::keyClicks gives up on characters outside Latin-1, so each character (a surrogate
  // pair as one) goes as a key event carrying its text.
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype width = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString piece = text.mid(i, width);
    i += width - 1;
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, piece);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, piece);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
  }
}

void WindowTest::TypeInto(int n, const QString& text) {
  Box(n)->setFocus(Qt::OtherFocusReason);
  Box(n)->selectAll();
  Type(text);
}

void WindowTest::Key(int key, Qt::KeyboardModifiers modifiers) {
  QWidget* target = QApplication::focusWidget();
  ASSERT_NE(target, nullptr);
  QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

}  // namespace quillorn::ui::testing
