#include "ctl/ctl_options.h"

#include <cstdlib>

namespace vrq::ctl {

const char* const kUsage =
    "usage: vrqctl [options] send LINE | send-all FILE.dat | read-all FILE.dat\n"
    "\n"
    "  send LINE          send one command (CR LF is appended) and print the answer\n"
    "  send-all FILE.dat  send every setting of a settings document, as \"全項目の設定\"\n"
    "  read-all FILE.dat  read every setting from the device into a new settings document\n"
    "\n"
    "link (one of):\n"
    "  --serial PATH            serial device (a tty or pseudo-terminal)\n"
    "  --tcp HOST[:PORT]        connect to a device (port 9004 by default)\n"
    "  --listen [ADDR:]PORT     wait for one device to connect (server role)\n"
    "options:\n"
    "  --single                 the single-line model VRQ-700S\n"
    "  --rs485 NN|FF            RS-485 with slave address NN (00..31) or broadcast\n"
    "  --period MS              time between commands (default: the run's own period)\n"
    "  --paced                  send the next command as soon as the answer has arrived\n"
    "  --timeout MS             how long to wait for an answer (default 3000)\n"
    "  --log FILE               append every line sent and received, with a timestamp\n"
    "exit status: 0 done, 1 the device refused or did not answer, 2 bad usage or file error\n";

namespace {

bool toInt(const std::string& s, int lo, int hi, int& out) {
    if (s.empty() || s.size() > 9) return false;
    for (char ch : s)
        if (ch < '0' || ch > '9') return false;
    out = std::atoi(s.c_str());
    return out >= lo && out <= hi;
}

// "HOST:PORT", "HOST", ":PORT" or "PORT" (when `portOnlyAllowed`).
bool splitHostPort(const std::string& s, bool portOnlyAllowed, std::string& host, int& port) {
    const auto colon = s.rfind(':');
    if (colon == std::string::npos) {
        if (portOnlyAllowed) return toInt(s, 0, 65535, port);
        host = s;
        return !host.empty();
    }
    host = s.substr(0, colon);
    return toInt(s.substr(colon + 1), 0, 65535, port) && (portOnlyAllowed || !host.empty());
}

}  // namespace

Parsed parseOptions(const std::vector<std::string>& args) {
    Options o;
    std::vector<std::string> rest;
    auto fail = [](std::string why) { return Parsed{std::nullopt, std::move(why)}; };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) return false;
            out = args[++i];
            return true;
        };
        std::string v;
        if (a == "--help" || a == "-h") {
            o.action = Action::Help;
            return {o, {}};
        } else if (a == "--single") {
            o.product = Product::Single;
        } else if (a == "--paced") {
            o.paced = true;
        } else if (a == "--serial") {
            if (!value(o.serialPath)) return fail("--serial needs a device path");
            o.link = LinkKind::Serial;
        } else if (a == "--tcp") {
            if (!value(v) || !splitHostPort(v, false, o.host, o.port)) return fail("--tcp needs HOST[:PORT]");
            o.link = LinkKind::Tcp;
        } else if (a == "--listen") {
            if (!value(v) || !splitHostPort(v, true, o.host, o.port)) return fail("--listen needs [ADDR:]PORT");
            o.link = LinkKind::Listen;
        } else if (a == "--rs485") {
            if (!value(v)) return fail("--rs485 needs NN or FF");
            if (v == "FF" || v == "ff")
                o.rs485 = 32;
            else if (v.size() != 2 || !toInt(v, 0, 31, o.rs485))
                return fail("--rs485 needs an address 00..31 or FF");
        } else if (a == "--period") {
            if (!value(v) || !toInt(v, 0, 3600000, o.periodMs)) return fail("--period needs milliseconds");
        } else if (a == "--timeout") {
            if (!value(v) || !toInt(v, 1, 3600000, o.timeoutMs)) return fail("--timeout needs milliseconds");
        } else if (a == "--log") {
            if (!value(o.logPath)) return fail("--log needs a file");
        } else if (!a.empty() && a[0] == '-' && rest.empty()) {
            return fail("unknown option " + a);
        } else {
            rest.push_back(a);
        }
    }
    if (rest.empty()) return fail("no command given");
    if (rest.size() != 2) return fail("'" + rest[0] + "' takes exactly one argument");
    if (rest[0] == "send")
        o.action = Action::Send;
    else if (rest[0] == "send-all")
        o.action = Action::SendAll;
    else if (rest[0] == "read-all")
        o.action = Action::ReadAll;
    else
        return fail("unknown command " + rest[0]);
    o.argument = rest[1];
    if (o.link == LinkKind::None) return fail("no link given (--serial, --tcp or --listen)");
    if (o.rs485 >= 0 && o.link != LinkKind::Serial) return fail("--rs485 needs --serial");
    return {o, {}};
}

}  // namespace vrq::ctl
