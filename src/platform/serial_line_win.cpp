#include "platform/serial_line.h"

#include <windows.h>

namespace vrq::platform {

bool applyLineSettings(SerialHandle h, int queueBytes) {
    // Qt offers hardware or software flow control, not both: set the device
    // control block directly.
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(h, &dcb)) return false;
    dcb.BaudRate = CBR_38400;
    dcb.ByteSize = 8;
    dcb.Parity = EVENPARITY;
    dcb.fParity = FALSE;  // received parity is not checked
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fOutxCtsFlow = TRUE;
    dcb.fOutX = TRUE;
    dcb.fDtrControl = DTR_CONTROL_HANDSHAKE;
    dcb.fRtsControl = RTS_CONTROL_HANDSHAKE;
    dcb.fInX = TRUE;
    dcb.XonChar = 0x11;
    dcb.XoffChar = 0x13;
    dcb.XonLim = 256;
    dcb.XoffLim = 256;
    SetupComm(h, static_cast<DWORD>(queueBytes), static_cast<DWORD>(queueBytes));
    return SetCommState(h, &dcb) != 0;
}

bool readErrorMayMeanHangUp() { return false; }

// A resource error there means the device left.
bool lineHungUp(SerialHandle) { return true; }

// The driver's queue is not asked; the port's own count is all there is.
long long outputQueued(SerialHandle) { return 0; }

}  // namespace vrq::platform
