// vrqctl: scripted send and read of a device's settings.

#include <QCoreApplication>
#include <iostream>

#include "ctl/ctl_options.h"
#include "ctl/ctl_runner.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    const vrq::ctl::Parsed parsed = vrq::ctl::parseOptions(args);
    if (!parsed.options) {
        std::cerr << "vrqctl: " << parsed.error << "\n" << vrq::ctl::kUsage;
        return vrq::ctl::kExitUsage;
    }
    return vrq::ctl::runCtl(*parsed.options, std::cout, std::cerr);
}
