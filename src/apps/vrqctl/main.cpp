// vrqctl: scripted send and read of a device's settings.

#include <QCoreApplication>
#include <iostream>

#include "ctl/ctl_options.h"
#include "ctl/ctl_runner.h"
#include "link/ui_language.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    // Chosen first: the reason a command line is wrong is told in it.
    std::string unknown;
    vrq::installUiLanguage(vrq::ctl::chosenLanguage(args, unknown));
    if (!unknown.empty()) {
        std::cerr << "vrqctl: "
                  << vrq::renderUtf8(vrq::Message(VRQ_TEXT("Ctl", "'%1' という言語はありません。ja か en を指定してください。"))
                                         .arg(unknown))
                  << "\n";
        return vrq::ctl::kExitUsage;
    }
    const vrq::ctl::Parsed parsed = vrq::ctl::parseOptions(args);
    if (!parsed.options) {
        std::cerr << "vrqctl: " << parsed.error << "\n" << vrq::ctl::usageText();
        return vrq::ctl::kExitUsage;
    }
    return vrq::ctl::runCtl(*parsed.options, std::cout, std::cerr);
}
