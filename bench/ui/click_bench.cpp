// One click of 按钮1 on a typed row: from the press to the five texts in place.
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "app/fatal_report.h"
#include "ui/control_text.h"
#include "ui/edit_box.h"
#include "ui/main_window.h"
#include "ui/text_boundary.h"
#include "ui/window_shell.h"

namespace quillorn::ui {
namespace {

std::string Name(const char* utf8) { return ToCodePage936(QString::fromUtf8(utf8)); }

}  // namespace

class ClickBench : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    static constexpr HandlerBinding kBindings[] = {{Handler::kCalculateHedge, &CalculateHedge}};
    QVERIFY(ReadWindowDefinitions(StoredWindowDefinitions(), kBindings));
    LoadWindow(kMainWindowId);
    window_ = FindOpenWindow(kMainWindowId);
    QVERIFY(window_ != nullptr);
    const char* odds[] = {"2.10", "3.20", "3.50", nullptr, "1.95", "3.40", "3.60"};
    for (int n = 1; n <= 7; ++n) {
      if (odds[n - 1] != nullptr) {
        SetControlText(kMainWindowId, Name("编辑框") + std::to_string(n), odds[n - 1]);
      }
    }
    button_ = qobject_cast<QPushButton*>(window_->control(Name("按钮1")));
    QVERIFY(button_ != nullptr);
  }

  // The button's click signal straight into the calculation.
  void clickSignal() {
    QBENCHMARK { button_->click(); }
    QCOMPARE(window_->editBox(Name("编辑框9"))->text(), QStringLiteral("51.28"));
  }

  // A mouse press and release delivered through the application, as a real click comes.
  void mouseClick() {
    QBENCHMARK { QTest::mouseClick(button_, Qt::LeftButton); }
    QCOMPARE(window_->editBox(Name("编辑框4"))->text(), QStringLiteral("93.1%"));
  }

  void cleanupTestCase() {
    window_->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

 private:
  MainWindow* window_ = nullptr;
  QPushButton* button_ = nullptr;
};

}  // namespace quillorn::ui

QTEST_MAIN(quillorn::ui::ClickBench)
#include "click_bench.moc"
