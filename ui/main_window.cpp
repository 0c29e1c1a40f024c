#include "ui/main_window.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "ui/accessible_names.h"
#include "ui/edit_box.h"
#include "ui/label.h"
#include "ui/placement.h"
#include "ui/text_boundary.h"
#include "ui/window_shell.h"

namespace quillorn::ui {
namespace {

// How long after showing the window a frame that the window manager adds late is still taken
// out of the client size; later size changes are the user's.
constexpr int kPlacingMilliseconds = 500;

Qt::WindowFlags FlagsFor(const WindowDefinition& definition) {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (definition.minimize_button) flags |= Qt::WindowMinimizeButtonHint;
  if (definition.maximize_button) flags |= Qt::WindowMaximizeButtonHint;
  return flags;
}

// The program's icon with every size the packaging ships, so each title bar, task switcher and
// screen scale picks a drawn size rather than a scaled one.
QIcon ProgramIcon() {
  QIcon icon;
  const QDir sizes(QStringLiteral(":/quillorn/icons"));
  for (const QString& file : sizes.entryList(QDir::Files)) icon.addFile(sizes.filePath(file));
  return icon;
}

}  // namespace

MainWindow::MainWindow(const WindowDefinition& definition, HandlerRoutine click)
    : QWidget(nullptr, FlagsFor(definition)), definition_(definition) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(FromCodePage936(definition.caption));
  setWindowIcon(ProgramIcon());

  // The client area is the system's button face, like every label on it.
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QGuiApplication::palette().color(QPalette::Button));
  setPalette(colours);
  setAutoFillBackground(true);

  controls_.reserve(definition.controls.size());
  for (const ControlDefinition& control : definition.controls) CreateControl(control, click);

  // Tab order: ascending tab-order value, creation order among equals.
  std::vector<const Control*> stops;
  for (const Control& c : controls_) {
    if (c.definition->tab_stop && c.definition->visible && c.definition->enabled) {
      stops.push_back(&c);
    }
  }
  std::stable_sort(stops.begin(), stops.end(), [](const Control* a, const Control* b) {
    return a->definition->tab_order < b->definition->tab_order;
  });
  for (const Control* c : stops) tab_order_.push_back(c->widget);

  resize(definition.width, definition.height);
}

MainWindow::~MainWindow() { NoteWindowDestroyed(this); }

void MainWindow::CreateControl(const ControlDefinition& definition, HandlerRoutine click) {
  QWidget* widget = nullptr;
  EditBox* box = nullptr;
  switch (definition.kind) {
    case ControlKind::kLabel:
      widget = new Label(FromCodePage936(definition.text), definition.alignment, this);
      break;
    case ControlKind::kEditBox:
      widget = box = new EditBox(definition.read_only, this);
      break;
    case ControlKind::kButton: {
      auto* button = new QPushButton(FromCodePage936(definition.text), this);
      // Not a default button: Enter never presses it.
      button->setAutoDefault(false);
      button->setDefault(false);
      button->setFocusPolicy(Qt::StrongFocus);
      if (definition.click != Handler::kNone && click != nullptr) {
        QObject::connect(button, &QPushButton::clicked, button, [click] { click(); });
      }
      widget = button;
      break;
    }
  }
  widget->setGeometry(definition.left, definition.top, definition.width, definition.height);
  // A screen reader names each box by its headings; read-only and the role come with the kind.
  if (const std::string name = AccessibleName(definition_, definition); !name.empty()) {
    widget->setAccessibleName(FromCodePage936(name));
  }
  widget->setEnabled(definition.enabled);
  if (!definition.tab_stop) widget->setFocusPolicy(Qt::NoFocus);
  widget->setVisible(definition.visible);
  // Created in order, so each control lies above the ones before it; raise() states it.
  widget->raise();
  if (definition.tab_stop) widget->installEventFilter(this);
  controls_.push_back({&definition, widget, box});
}

QWidget* MainWindow::control(std::string_view name) const noexcept {
  for (const Control& c : controls_) {
    if (name == c.definition->name) return c.widget;
  }
  return nullptr;
}

EditBox* MainWindow::editBox(std::string_view name) const noexcept {
  for (const Control& c : controls_) {
    if (name == c.definition->name) return c.box;
  }
  return nullptr;
}

void MainWindow::ShowCentred() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect full = screen != nullptr ? screen->geometry() : QRect(0, 0, 0, 0);
  const ScreenPoint at =
      CentreOnScreen(full.width(), full.height(), definition_.width, definition_.height);
  placed_ = full.topLeft() + QPoint(at.x, at.y);
  move(placed_);
  if (!tab_order_.empty()) tab_order_.front()->setFocus(Qt::ActiveWindowFocusReason);
  placing_ = true;
  show();
  FitOuterSize();
  activateWindow();
  QTimer::singleShot(kPlacingMilliseconds, this, [this] { placing_ = false; });
}

// The definition gives the outer size; Qt sizes the client area. Take the frame the window
// manager gives out of the client size, and keep the frame's corner where it was placed.
void MainWindow::FitOuterSize() {
  const QRect frame = frameGeometry();
  const QSize client(definition_.width - (frame.width() - width()),
                     definition_.height - (frame.height() - height()));
  if (client != size()) resize(client);
  if (frameGeometry().topLeft() != placed_) move(placed_);
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (placing_) FitOuterSize();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (placing_) FitOuterSize();
}

bool MainWindow::TakeKey(const QKeyEvent& key) {
  // Ctrl, Shift and Alt count as part of the key; the keypad flag does not.
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
  switch (key.key()) {
    case Qt::Key_Tab:
      if (modifiers == Qt::NoModifier) {
        MoveFocus(true);
        return true;
      }
      if (modifiers == Qt::ShiftModifier) {
        MoveFocus(false);
        return true;
      }
      return false;
    case Qt::Key_Backtab:  // Shift+Tab as most keyboards deliver it
      if (modifiers == Qt::ShiftModifier || modifiers == Qt::NoModifier) {
        MoveFocus(false);
        return true;
      }
      return false;
    case Qt::Key_Escape:
      if (modifiers == Qt::NoModifier && definition_.esc_closes) {
        close();
        return true;
      }
      return false;
    default:
      return false;
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && TakeKey(*static_cast<QKeyEvent*>(event))) return true;
  return QWidget::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (!TakeKey(*event)) QWidget::keyPressEvent(event);
}

bool MainWindow::focusNextPrevChild(bool next) {
  MoveFocus(next);
  return true;
}

void MainWindow::MoveFocus(bool forward) {
  if (tab_order_.empty()) return;
  const auto count = static_cast<std::ptrdiff_t>(tab_order_.size());
  const auto it = std::find(tab_order_.begin(), tab_order_.end(), focusWidget());
  std::ptrdiff_t index = it - tab_order_.begin();
  if (it == tab_order_.end()) {
    index = forward ? count - 1 : 0;  // nothing focused yet: start from the first
  }
  const std::ptrdiff_t target = (index + (forward ? 1 : count - 1)) % count;
  tab_order_[static_cast<std::size_t>(target)]->setFocus(forward ? Qt::TabFocusReason
                                                                 : Qt::BacktabFocusReason);
}

}  // namespace quillorn::ui
