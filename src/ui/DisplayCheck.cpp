#include "ui/DisplayCheck.h"

#include <QString>
#include <QtGlobal>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <string_view>
#include <thread>
#include <vector>

#if defined(Q5300_HAVE_XCB)
#include <xcb/xcb.h>
#endif
#if defined(__unix__) && !defined(__APPLE__)
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace q5300::ui {
namespace {

constexpr const char* Advice =
    " The window needs a graphical session; q5300-cli works without one (q5300-cli --help).";

// A display server that accepts the connection but never answers must not hold
// the start.
constexpr std::chrono::seconds ConnectTimeout{5};

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  while (!text.empty()) {
    const std::size_t end = text.find(separator);
    parts.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return parts;
}

#if defined(__unix__) && !defined(__APPLE__)

// Runs `probe` on a thread of its own and waits for it a while; a probe still
// hanging then counts as a failure (its thread is left to end with the program).
bool AnswersInTime(bool (*probe)(std::string), std::string argument) {
  std::packaged_task<bool(std::string)> task(probe);
  std::future<bool> answer = task.get_future();
  std::thread(std::move(task), std::move(argument)).detach();
  return answer.wait_for(ConnectTimeout) == std::future_status::ready && answer.get();
}

bool XServerAnswers(std::string display) {
#if defined(Q5300_HAVE_XCB)
  xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
  const bool ok = connection != nullptr && xcb_connection_has_error(connection) == 0;
  if (connection != nullptr) xcb_disconnect(connection);
  return ok;
#else
  (void)display;
  return true;  // without the X library the check is left to Qt
#endif
}

bool WaylandAnswers(std::string socketName) {
  std::string path = socketName;
  if (path.empty() || path.front() != '/') {
    const std::string runtime = Environment("XDG_RUNTIME_DIR");
    if (runtime.empty()) return false;
    path = runtime + "/" + (socketName.empty() ? std::string("wayland-0") : socketName);
  }
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return false;
  path.copy(address.sun_path, path.size());
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool ok = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return ok;
}

std::optional<std::string> WhyNotX() {
  const std::string display = Environment("DISPLAY");
  if (display.empty()) return "DISPLAY is not set";
  if (!AnswersInTime(XServerAnswers, display))
    return "the X display " + display + " does not answer";
  return std::nullopt;
}

std::optional<std::string> WhyNotWayland() {
  const std::string display = Environment("WAYLAND_DISPLAY");
  if (display.empty()) return "WAYLAND_DISPLAY is not set";
  if (!AnswersInTime(WaylandAnswers, display)) {
    return "the Wayland display " + display + " does not answer";
  }
  return std::nullopt;
}

#endif

}  // namespace

std::optional<std::string> WhyNoDisplay(int argc, char* argv[]) {
#if defined(__unix__) && !defined(__APPLE__)
  std::string platforms = Environment("QT_QPA_PLATFORM");
  for (int i = 1; i + 1 < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "-platform" || argument == "--platform") platforms = argv[i + 1];
  }
  std::vector<std::string> reasons;
  if (platforms.empty()) {
    // Qt takes Wayland in a Wayland session and X11 otherwise (XWayland included).
    if (!Environment("WAYLAND_DISPLAY").empty()) {
      const auto wayland = WhyNotWayland();
      if (!wayland) return std::nullopt;
      reasons.push_back(*wayland);
    }
    const auto x = WhyNotX();
    if (!x) return std::nullopt;
    reasons.push_back(*x);
  } else {
    // "wayland;xcb" names platforms to try in turn; "offscreen:fontengine=x"
    // carries options after the name.
    for (const std::string& entry : Split(platforms, ';')) {
      const std::string name = entry.substr(0, entry.find(':'));
      std::optional<std::string> why;
      if (name == "xcb") {
        why = WhyNotX();
      } else if (name.starts_with("wayland")) {
        why = WhyNotWayland();
      } else {
        return std::nullopt;  // offscreen, vnc, eglfs and the like need no session
      }
      if (!why) return std::nullopt;
      reasons.push_back(*why);
    }
  }
  std::string text = "no display could be opened (";
  for (std::size_t i = 0; i < reasons.size(); ++i) {
    if (i > 0) text += "; ";
    text += reasons[i];
  }
  return text + ")." + Advice;
#else
  (void)argc;
  (void)argv;
  return std::nullopt;
#endif
}

namespace {

QtMessageHandler previousHandler = nullptr;

void StartWatch(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "q5300: the window could not be started: %s\n%s\n",
                 text.toLocal8Bit().constData(), Advice + 1);
    std::fflush(stderr);
    std::_Exit(1);
  }
  if (previousHandler != nullptr) {
    previousHandler(type, context, text);
  } else {
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
  }
}

}  // namespace

void ExitPlainlyIfQtCannotStart() {
  previousHandler = qInstallMessageHandler(StartWatch);
}

void EndQtStartWatch() {
  qInstallMessageHandler(previousHandler);
  previousHandler = nullptr;
}

}  // namespace q5300::ui
