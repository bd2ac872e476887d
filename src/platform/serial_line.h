#pragma once
// The system calls on an open serial handle that Qt's port does not offer:
// the combined flow control, the hang-up check, the bytes the driver still
// holds. serial_line_posix.cpp uses termios; serial_line_win.cpp sets the
// device control block.

namespace vrq::platform {

#ifdef _WIN32
using SerialHandle = void*;  // HANDLE, as QSerialPort::handle() gives it
// Ports are COM1, COM2, ... rather than device paths the operator picks.
inline constexpr bool kPortsByComNumber = true;
#else
using SerialHandle = int;
inline constexpr bool kPortsByComNumber = false;
#endif

// 38400 baud, 8 data bits, even parity sent but not checked, one stop bit,
// RTS/CTS and XON/XOFF (0x11/0x13) both ways, in one call. A pseudo-terminal,
// which has no parity, gets everything else. `queueBytes` sizes the driver's
// queues where the system lets it.
bool applyLineSettings(SerialHandle h, int queueBytes);

// Whether a read error of the port may mean the line hung up (then
// lineHungUp tells); elsewhere only a resource error does.
bool readErrorMayMeanHangUp();

// The line is gone: a read would fail at once, forever.
bool lineHungUp(SerialHandle h);

// Bytes written but still in the driver's output queue; 0 when unknown.
long long outputQueued(SerialHandle h);

}  // namespace vrq::platform
