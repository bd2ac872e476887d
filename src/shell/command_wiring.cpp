#include "shell/command_wiring.h"

#include "shell/main_window.h"
#include "variants/commands.h"

namespace vrq {

ConsoleServices::ConsoleServices(Console& c, MainWindow& window) : c_(c), window_(window) {}

ConsoleServices::~ConsoleServices() = default;

void ConsoleServices::start() {
    wireCommands();
    openSerialIfChosen();
}

void ConsoleServices::openSerialIfChosen() {}

void ConsoleServices::wireCommands() {}

}  // namespace vrq
