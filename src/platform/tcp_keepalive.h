#pragma once
// The timing of TCP keep-alive probes on a connected socket, which Qt can
// only switch on. tcp_keepalive_posix.cpp sets TCP_KEEPIDLE, TCP_KEEPINTVL
// and TCP_KEEPCNT; a Windows version sets the same options (Windows 10 1709
// and later) or WSAIoctl(SIO_KEEPALIVE_VALS) with idle and interval in ms.

#include <cstdint>

namespace vrq::platform {

// `socket` is the native descriptor (QAbstractSocket::socketDescriptor());
// a negative one is left alone. Failures are ignored: the defaults still probe.
void setKeepAliveTiming(std::intptr_t socket, int idleS, int intervalS, int probes);

}  // namespace vrq::platform
