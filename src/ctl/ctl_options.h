#pragma once
// Command line of vrqctl.

#include <optional>
#include <string>
#include <vector>

#include "link/ui_language.h"
#include "model/settings_model.h"

namespace vrq::ctl {

enum class LinkKind { None, Serial, Tcp, Listen };
enum class Action { Send, SendAll, SendChanges, ReadAll, Verify, Diff, Help, Version, ExportTitles, ImportTitles };

// One device of a run.
struct Device {
    LinkKind link = LinkKind::None;
    std::string serialPath;
    std::string host;
    int port = 9004;
    int rs485 = -1;
};

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
    int retries = 1;            // --retries: sends more of a command that got no valid answer
    bool keepPartial = false;   // --keep-partial: read-all writes what it read even when it failed
    std::string logPath;
    Action action = Action::Help;
    std::string argument;   // the line, the document path, or read-all's folder for many devices
    std::string argument2;  // diff: the second document; export-titles, import-titles: the CSV
    std::string argument3;  // import-titles: the document written
    // The first device is the one above; these follow in command-line order.
    std::vector<Device> more;
    int listenDevices = 1;  // --devices: how many devices to wait for in the server role
    int waitS = -1;         // --wait: how long to wait for them (-1: the usual)
    bool json = false;
    // send-changes: the document the devices hold now, what to do.
    std::string basePath;   // --from
    bool dryRun = false;    // list the steps, send nothing
    bool verify = false;    // read back what was sent and compare
};

// Every device of the run: the first, then `more`.
std::vector<Device> devicesOf(const Options& o);
// Several devices: each gets its own line of progress and a summary row.
bool manyDevices(const Options& o);

// The options, or the one-line reason they are wrong, in the language installed.
struct Parsed {
    std::optional<Options> options;
    std::string error;
};
Parsed parseOptions(const std::vector<std::string>& args);

// Why the command cannot go as a broadcast ("FF"), or empty: every device
// takes a broadcast and none answers, so nothing can be read through one.
std::string broadcastProblem(const Options& o);

// A dotted IPv4 address (or "localhost"), as --tcp takes it.
bool parseIpv4(const std::string& host, Octets& out);

// --help, in the language installed.
std::string usageText();

// The language of the messages: --lang ja|en, else the locale's. A --lang
// value naming no language goes to `unknown`.
UiLanguage chosenLanguage(const std::vector<std::string>& args, std::string& unknown);

}  // namespace vrq::ctl
