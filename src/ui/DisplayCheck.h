#pragma once

#include <optional>
#include <string>

namespace q5300::ui {

// Whether the window has somewhere to show: the platform Qt would take (from
// QT_QPA_PLATFORM or a -platform argument, else Wayland or X11 as the session
// offers them) is asked before the application object is made. Nothing when the
// window can be shown; otherwise why not, for the person who started it.
//
// Qt itself aborts with a core dump when it cannot reach a display; this check
// turns that into a plain message and exit status 1.
std::optional<std::string> WhyNoDisplay(int argc, char* argv[]);

// Installed while the application object is made: should Qt still fail to reach
// the display (one that went away right after the check), it says so plainly
// and the program exits with status 1 instead of a core dump.
void ExitPlainlyIfQtCannotStart();
void EndQtStartWatch();

}  // namespace q5300::ui
