#include "platform/tcp_keepalive.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace vrq::platform {

void setKeepAliveTiming(std::intptr_t socket, int idleS, int intervalS, int probes) {
    const int fd = static_cast<int>(socket);
    if (fd < 0) return;
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPIDLE, &idleS, sizeof idleS);
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPINTVL, &intervalS, sizeof intervalS);
    ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPCNT, &probes, sizeof probes);
}

}  // namespace vrq::platform
