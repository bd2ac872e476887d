#pragma once
// The requests to end the program (SIGTERM, SIGHUP, SIGINT, as a desktop
// session ending sends them) as bytes on a descriptor an event loop can
// watch. termination_signals_posix.cpp installs a handler that writes the
// signal number into a socket pair; a Windows version would register
// SetConsoleCtrlHandler and write CTRL_CLOSE_EVENT and its kin into a
// loopback socket pair the same way (a GUI program hears the session end as
// WM_QUERYENDSESSION instead).

namespace vrq::platform {

// Installs the handler; returns the descriptor to read, -1 when none could be
// made (the signals keep their default handling then). One at a time.
int watchTerminationSignals();

// Puts the default handling back and closes the descriptors.
void unwatchTerminationSignals();

// The next signal number waiting on the descriptor, or -1 when none waits;
// never blocks.
int nextTerminationSignal();

}  // namespace vrq::platform
