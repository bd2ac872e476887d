// vrqsim: a simulated title display device for trials and tests.

#include <cstdlib>
#include <iostream>
#include <string>

#include "sim/sim_device.h"
#include "sim/sim_io.h"

namespace {

const char* kUsage =
    "usage: vrqsim [--single] [--link PATH | --tcp-listen PORT | --tcp-connect HOST:PORT]\n"
    "              [--rs485 NN] [--menu] [--error-at K] [--error-code EN] [--silent]\n"
    "              [--delay-ms D] [--record FILE]\n"
    "              [--silent-after K] [--drop-after K] [--garbage K] [--connections N]\n"
    "              [--baud N]\n"
    "Without a TCP option the device answers on a new pseudo-terminal and prints its path.\n"
    "--baud N takes and gives bytes no faster than a line of N baud, 8E1 (11 bits a byte).\n";

bool toInt(const std::string& s, int& out) {
    char* end = nullptr;
    const long v = std::strtol(s.c_str(), &end, 10);
    if (s.empty() || *end != '\0' || v < 0 || v > 1000000) return false;
    out = static_cast<int>(v);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    vrq::sim::SimOptions opt;
    vrq::sim::IoOptions io;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) return false;
            out = argv[++i];
            return true;
        };
        std::string v;
        bool ok = true;
        if (a == "--single") opt.product = vrq::Product::Single;
        else if (a == "--menu") opt.menu = true;
        else if (a == "--silent") opt.silent = true;
        else if (a == "--link") ok = value(io.linkPath);
        else if (a == "--record") ok = value(io.recordPath);
        else if (a == "--tcp-connect") ok = value(io.tcpConnect);
        else if (a == "--error-code") ok = value(opt.errorCode);
        else if (a == "--tcp-listen") ok = value(v) && toInt(v, io.tcpListenPort) && io.tcpListenPort <= 65535;
        else if (a == "--rs485") ok = value(v) && v.size() == 2 && toInt(v, opt.rs485Address) && opt.rs485Address <= 31;
        else if (a == "--error-at") ok = value(v) && toInt(v, opt.errorAt);
        else if (a == "--delay-ms") ok = value(v) && toInt(v, io.delayMs);
        else if (a == "--silent-after") ok = value(v) && toInt(v, opt.silentAfter);
        else if (a == "--drop-after") ok = value(v) && toInt(v, opt.dropAfter);
        else if (a == "--garbage") ok = value(v) && toInt(v, opt.garbage);
        else if (a == "--baud") ok = value(v) && toInt(v, io.baud) && io.baud >= 50;
        else if (a == "--connections") ok = value(v) && toInt(v, io.connections) && io.connections >= 1 && io.connections <= 200;
        else if (a == "--help" || a == "-h") {
            std::cout << kUsage;
            return 0;
        } else ok = false;
        if (!ok) {
            std::cerr << "vrqsim: bad argument " << a << "\n" << kUsage;
            return 2;
        }
    }
    vrq::sim::SimDevice device(opt);
    return vrq::sim::runSimulator(device, io);
}
