// vrqsim: a simulated title display device for trials and tests.

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "sim/sim_device.h"
#include "sim/sim_io.h"

namespace {

const char* kUsage =
    "usage: vrqsim [--single] [--link PATH | --tcp-listen PORT | --tcp-connect HOST:PORT]\n"
    "              [--rs485 NN[,NN...]] [--menu] [--error-at K] [--error-code EN] [--silent]\n"
    "              [--delay-ms D] [--record FILE]\n"
    "              [--silent-after K] [--drop-after K] [--garbage K] [--connections N]\n"
    "              [--baud N]\n"
    "Without a TCP option the device answers on a new pseudo-terminal and prints its path.\n"
    "--baud N takes and gives bytes no faster than a line of N baud, 8E1 (11 bits a byte).\n"
    "--rs485 05,06,07 puts several slaves on the one line, each with its own settings.\n";

bool toInt(const std::string& s, int& out) {
    char* end = nullptr;
    const long v = std::strtol(s.c_str(), &end, 10);
    if (s.empty() || *end != '\0' || v < 0 || v > 1000000) return false;
    out = static_cast<int>(v);
    return true;
}

// "05" or "05,06,07": two-digit slave addresses, each once.
bool toAddresses(const std::string& s, std::vector<int>& out) {
    out.clear();
    for (std::size_t at = 0; at <= s.size(); at += 3) {
        int a = 0;
        if (!toInt(s.substr(at, 2), a) || a > 31 || s.substr(at, 2).size() != 2) return false;
        if (at + 2 < s.size() && s[at + 2] != ',') return false;
        for (int seen : out)
            if (seen == a) return false;
        out.push_back(a);
    }
    return !out.empty();
}

}  // namespace

int main(int argc, char** argv) {
    vrq::sim::SimOptions opt;
    vrq::sim::IoOptions io;
    std::vector<int> slaves;
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
        else if (a == "--rs485") ok = value(v) && toAddresses(v, slaves);
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
    if (slaves.size() > 1 && (io.tcpListenPort >= 0 || !io.tcpConnect.empty())) {
        std::cerr << "vrqsim: several slaves need the serial line\n" << kUsage;
        return 2;
    }
    if (slaves.empty()) slaves.push_back(-1);
    std::vector<std::unique_ptr<vrq::sim::SimDevice>> devices;
    std::vector<vrq::sim::SimDevice*> bus;
    for (int address : slaves) {
        opt.rs485Address = address;
        devices.push_back(std::make_unique<vrq::sim::SimDevice>(opt));
        bus.push_back(devices.back().get());
    }
    return vrq::sim::runSimulator(bus, io);
}
