#pragma once
// Whether the standard error stream is a terminal (progress lines are redrawn
// in place only there). terminal_posix.cpp asks isatty; a Windows version asks
// _isatty(_fileno(stderr)).

namespace vrq::platform {

bool standardErrorIsTerminal();

}  // namespace vrq::platform
