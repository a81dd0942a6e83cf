#include "ui/WheelGuard.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QEvent>
#include <QWheelEvent>
#include <QWidget>

namespace q5300::ui {
namespace {

class WheelFilter final : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Wheel) return false;
    const auto* box = qobject_cast<QWidget*>(watched);
    if (box == nullptr || box->hasFocus()) return false;
    // Kept from the box, the turn goes to the scroll area around it (the page
    // panel's), or else on to the box's parents.
    QWidget* holder = box->parentWidget();
    while (holder != nullptr && qobject_cast<QAbstractScrollArea*>(holder) == nullptr) {
      holder = holder->parentWidget();
    }
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(holder)) {
      QWidget* viewport = area->viewport();
      QWheelEvent turn(viewport->mapFromGlobal(wheel->globalPosition()), wheel->globalPosition(),
                       wheel->pixelDelta(), wheel->angleDelta(), wheel->buttons(),
                       wheel->modifiers(), wheel->phase(), wheel->inverted(), wheel->source());
      QCoreApplication::sendEvent(viewport, &turn);
      wheel->setAccepted(turn.isAccepted());
    } else {
      wheel->ignore();
    }
    return true;
  }
};

void Guard(QWidget* box, QObject* filter) {
  box->setFocusPolicy(Qt::StrongFocus);
  box->installEventFilter(filter);
}

}  // namespace

void GuardWheel(QWidget* root) {
  // Gone with the boxes' root.
  auto* filter = new WheelFilter(root);
  for (QComboBox* box : root->findChildren<QComboBox*>()) Guard(box, filter);
  for (QAbstractSpinBox* box : root->findChildren<QAbstractSpinBox*>()) Guard(box, filter);
}

}  // namespace q5300::ui
