#include "ui/QtTimers.h"

#include <chrono>

namespace q5300::ui {

QtTimers::QtTimers(std::function<void(TimerId)> fired, double timeScale) : timeScale_(timeScale) {
  for (auto [timer, id] : {std::pair{&continue_, TimerId::Continue},
                           std::pair{&finalMessage_, TimerId::FinalMessage}}) {
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, [fired, id = id] { fired(id); });
  }
}

QTimer& QtTimers::TimerFor(TimerId id) {
  return id == TimerId::Continue ? continue_ : finalMessage_;
}

const QTimer& QtTimers::TimerFor(TimerId id) const {
  return id == TimerId::Continue ? continue_ : finalMessage_;
}

void QtTimers::Arm(TimerId id, std::chrono::milliseconds delay) {
  const auto scaled = std::chrono::duration<double, std::milli>(delay) * timeScale_;
  TimerFor(id).start(std::chrono::round<std::chrono::milliseconds>(scaled));
}

void QtTimers::Stop(TimerId id) {
  TimerFor(id).stop();
}

bool QtTimers::IsArmed(TimerId id) const {
  return TimerFor(id).isActive();
}

}  // namespace q5300::ui
