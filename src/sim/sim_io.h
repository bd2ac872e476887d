#pragma once
// Byte channels of the simulated device: a pseudo-terminal, a TCP listener, or
// an outgoing TCP connection to a console in server role. POSIX only.

#include <functional>
#include <string>
#include <vector>

#include "model/message.h"
#include "sim/sim_device.h"

namespace vrq::sim {

struct IoOptions {
    std::string linkPath;      // symbolic link to the pty's slave side
    int tcpListenPort = -1;    // the console connects as client
    std::string tcpConnect;    // HOST:PORT of a console in server role
    int connections = 1;       // how many devices connect there (one settings state)
    int delayMs = 0;           // answer delay
    int baud = 0;              // > 0: bytes take the time of a line of this rate, 8E1
    std::string recordPath;    // every received line appended here
    // How a problem is told on stderr: the program's language (none: the Japanese source).
    std::function<std::string(const Message&)> say;
};

// Opens a pseudo-terminal in raw mode; returns the master fd and the slave path.
int openPty(std::string& slavePath, std::string& error);

// Serves until stopped by a signal. Prints where it listens on stdout, in
// the same words in every language: scripts and tests read the line.
int runSimulator(SimDevice& device, const IoOptions& io);
// Several slaves on one RS-485 line: every device hears every line and
// answers only its own address.
int runSimulator(const std::vector<SimDevice*>& devices, const IoOptions& io);

}  // namespace vrq::sim
