#pragma once
// The time left of a whole-device run.
//
// Progress is counted in steps, as the percent box (the device's own texts)
// and the progress bar count it, so the time left is estimated over steps
// too: the figures never disagree about how far the run is.

namespace vrq {

// Milliseconds left after `done` of `total` steps, or -1 while there is
// nothing to go on. Paced by the timer, a step goes every `periodMs`, so the
// steps left take that long however fast the first ones went. Paced by
// answers, the steps left go at the rate measured so far.
long long remainingMs(int done, int total, bool fast, int periodMs, long long elapsedMs);

}  // namespace vrq
