#include "hostile_fixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <fstream>
#include <unistd.h>

#include "ui/control_text.h"
#include "ui/window_definition.h"

namespace quillorn::ui::testing {

std::size_t ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  std::size_t total_pages = 0;
  std::size_t resident_pages = 0;
  statm >> total_pages >> resident_pages;
  return resident_pages * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

void HostileTest::FillInputs(const std::array<const char*, 6>& odds) {
  for (std::size_t i = 0; i < odds.size(); ++i) {
    Box(kInputBoxes[i])->setText(QString::fromUtf8(odds[i]));
  }
}

void HostileTest::PasteInto(int n, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  ASSERT_EQ(QGuiApplication::clipboard()->text().size(), text.size());
  Box(n)->setFocus(Qt::MouseFocusReason);
  Box(n)->selectAll();
  Key(Qt::Key_V, Qt::ControlModifier);
}

void HostileTest::Click() { QTest::mouseClick(Button(), Qt::LeftButton); }

Results HostileTest::Shown() const {
  Results shown;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    shown[i] = Box(kOutputBoxes[i])->text().toStdString();
  }
  return shown;
}

std::string HostileTest::Handed(int n) const {
  const Text text = GetControlText(kMainWindowId, BoxName(n));
  return std::string(text.view());
}

}  // namespace quillorn::ui::testing
