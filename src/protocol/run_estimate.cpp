#include "protocol/run_estimate.h"

namespace vrq {

long long remainingMs(int done, int total, bool fast, int periodMs, long long elapsedMs) {
    if (total <= 0 || done < 0 || done > total) return -1;
    const long long left = total - done;
    if (!fast) return left * periodMs;
    if (done == 0) return -1;
    return elapsedMs * left / done;
}

}  // namespace vrq
