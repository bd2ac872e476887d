#pragma once
// The links of a running console and the dialogs its commands open.

#include <memory>

#include "model/console.h"

namespace vrq {

class MainWindow;
class SerialLink;
class TcpLink;

class ConsoleServices {
public:
    ConsoleServices(Console& c, MainWindow& window);
    ~ConsoleServices();

    // Opens the serial link when it is the chosen interface and wires every command.
    void start();
    void openSerialIfChosen();

private:
    void wireCommands();

    Console& c_;
    MainWindow& window_;
};

}  // namespace vrq
