// Access keys of buttons: claimed before the shortcut map sees them, pressed on the key press.
#include "ui/access_keys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>

ButtonAccessKeys::ButtonAccessKeys(QWidget* window, QList<QAbstractButton*> buttons)
    : QObject(window), window_(window), buttons_(std::move(buttons)) {
  qApp->installEventFilter(this);
}

QAbstractButton* ButtonAccessKeys::ButtonFor(const QKeyEvent& key) const {
  if (!(key.modifiers() & Qt::AltModifier)) return nullptr;
  const QKeySequence pressed(key.keyCombination());
  for (QAbstractButton* button : buttons_)
    if (button->isVisible() && button->isEnabled() && QKeySequence::mnemonic(button->text()) == pressed) return button;
  return nullptr;
}

bool ButtonAccessKeys::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress) return false;
  const auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != window_) return false;
  QAbstractButton* button = ButtonFor(*static_cast<QKeyEvent*>(event));
  if (!button) return false;
  // Accepting the override keeps the key from the shortcut map; the key press then reaches us.
  event->accept();
  if (type == QEvent::KeyPress) button->animateClick();
  return true;
}
