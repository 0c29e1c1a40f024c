#include "ui/fatal_box.h"

#include <QApplication>
#include <QMessageBox>

#include "app/fatal_report.h"
#include "ui/text_boundary.h"

namespace quillorn::ui {

void PresentInMessageBox(std::string_view caption, std::string_view text) {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
    PresentOnStandardError(caption, text);
    return;
  }
  QString body = FromCodePage936(text);
  body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QMessageBox box(QMessageBox::Critical, FromCodePage936(caption), body, QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Ok);
  box.exec();
}

}  // namespace quillorn::ui
