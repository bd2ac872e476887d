#pragma once
// Command line of vrqctl.

#include <optional>
#include <string>
#include <vector>

#include "model/settings_model.h"

namespace vrq::ctl {

enum class LinkKind { None, Serial, Tcp, Listen };
enum class Action { Send, SendAll, ReadAll, Help };

struct Options {
    Product product = Product::Multi;
    LinkKind link = LinkKind::None;
    std::string serialPath;
    std::string host;       // --tcp: dotted IPv4 (or localhost); --listen: bind address, may be empty
    int port = 9004;
    int rs485 = -1;         // -1: RS-232C; 0..31 an address; 32 broadcast ("FF")
    int periodMs = -1;      // -1: the run's own period
    bool paced = false;
    int timeoutMs = 3000;
    std::string logPath;
    Action action = Action::Help;
    std::string argument;   // the line, or the document path
};

// The options, or the one-line reason they are wrong.
struct Parsed {
    std::optional<Options> options;
    std::string error;
};
Parsed parseOptions(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace vrq::ctl
