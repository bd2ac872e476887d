#include "ctl/ctl_options.h"

#include <filesystem>

#include <QCommandLineParser>
#include <QStringList>
#include <cstdlib>
#include <map>

#include "model/app_state.h"
#include "protocol/answer_match.h"

namespace vrq::ctl {

const char* const kUsage =
    "usage: vrqctl [options] send LINE | send-all FILE.dat | read-all FILE.dat|DIR\n"
    "                        | verify FILE.dat | diff A.dat B.dat\n"
    "                        | export-titles DOC.dat [OUT.csv] | import-titles DOC.dat IN.csv OUT.dat\n"
    "                        | send-changes NEW.dat --from BASE.dat [--dry-run] [--verify]\n"
    "\n"
    "  send LINE          send one command (CR LF is appended) and print the answer\n"
    "  send-all FILE.dat  send every setting of a settings document, as \"全項目の設定\"\n"
    "  read-all FILE.dat  read every setting from the device into a new settings document\n"
    "  read-all DIR       with several devices: one document per device in DIR, named after it\n"
    "  verify FILE.dat    read every device and list each setting that differs from the document\n"
    "  diff A.dat B.dat   list the settings in which two documents differ (no device)\n"
    "  export-titles DOC.dat [OUT.csv]\n"
    "                     every title of DOC as CSV (page,line,title; --single: page,title),\n"
    "                     UTF-8 with a byte-order mark, to OUT or standard output (- or none)\n"
    "  import-titles DOC.dat IN.csv OUT.dat\n"
    "                     DOC with the titles of the rows of IN (UTF-8 or CP932; half-width\n"
    "                     letters and kana made full-width) written to OUT; nothing is written\n"
    "                     and every problem is listed when any row is refused (no device)\n"
    "  send-changes NEW.dat --from BASE.dat\n"
    "                     send only the steps of send-all in which NEW differs from BASE (the\n"
    "                     document the devices hold: their last read-all, or what was last sent)\n"
    "\n"
    "links (repeat --serial and --tcp for several devices):\n"
    "  --serial PATH            serial device (a tty or pseudo-terminal)\n"
    "  --tcp HOST[:PORT]        connect to a device (port 9004 by default)\n"
    "  --listen [ADDR:]PORT     wait for devices to connect (server role)\n"
    "options:\n"
    "  --single                 the single-line model VRQ-700S\n"
    "  --rs485 NN[,NN...]|FF    RS-485 slave address(es) 00..31 on the --serial before it, or broadcast\n"
    "  --devices N              --listen: wait for N devices (1..96)\n"
    "  --wait SECONDS           --listen: how long to wait for them (default 30)\n"
    "  --period MS              time between commands (default: the run's own period; 0 is --paced)\n"
    "  --paced                  send the next command as soon as the answer has arrived\n"
    "  --timeout MS             how long to wait for an answer (default 3000)\n"
    "  --retries N              send a command again up to N times (0..9) when no valid answer came (default 1)\n"
    "  --keep-partial           read-all: write the document even when some settings were not read (exit 1)\n"
    "  --from BASE.dat          send-changes: the document the devices hold now\n"
    "  --dry-run                send-changes: list the steps it would send, send nothing (no link needed)\n"
    "  --verify                 send-changes: read back what was sent and list what differs (exit 1)\n"
    "  --log FILE               append every line sent, received or dropped, with a timestamp\n"
    "  --json                   verify, diff and the summary of several devices as JSON\n"
    "  -h, --help               this text\n"
    "  --version                the version of vrqctl\n"
    "an option's value may follow it or be joined to it with '=' (--tcp=HOST:PORT)\n"
    "exit status: 0 done, 1 a device refused, did not answer or differs, 2 bad usage or file error\n";

bool parseIpv4(const std::string& host, Octets& out) {
    if (host == "localhost") {
        out = {127, 0, 0, 1};
        return true;
    }
    int parts = 0, value = -1;
    for (std::size_t i = 0; i <= host.size(); ++i) {
        const char ch = i < host.size() ? host[i] : '.';
        if (ch == '.') {
            if (value < 0 || value > 255 || parts >= 4) return false;
            out[static_cast<std::size_t>(parts++)] = static_cast<std::uint8_t>(value);
            value = -1;
        } else if (ch >= '0' && ch <= '9') {
            value = (value < 0 ? 0 : value * 10) + (ch - '0');
            if (value > 255) return false;
        } else {
            return false;
        }
    }
    return parts == 4;
}

namespace {

constexpr int kBroadcast = 32;  // "FF"

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

// "05" or "05,06,07"; FF (broadcast) only alone.
bool toAddresses(const std::string& s, std::vector<int>& out) {
    if (s == "FF" || s == "ff") {
        out = {kBroadcast};
        return true;
    }
    out.clear();
    for (std::size_t at = 0; at <= s.size(); at += 3) {
        int a = 0;
        if (s.size() < at + 2 || !toInt(s.substr(at, 2), 0, 31, a)) return false;
        if (at + 2 < s.size() && s[at + 2] != ',') return false;
        out.push_back(a);
    }
    return true;
}

// A device as the system reaches it: "localhost" and 127.000.0.1 are
// 127.0.0.1, a link to a serial device is the device.
Device resolved(Device d) {
    if (d.link == LinkKind::Serial) {
        std::error_code e;
        const auto real = std::filesystem::weakly_canonical(std::filesystem::path(d.serialPath), e);
        if (!e) d.serialPath = real.string();
    } else if (Octets a{}; parseIpv4(d.host, a)) {
        d.host = std::to_string(a[0]) + "." + std::to_string(a[1]) + "." + std::to_string(a[2]) + "." +
                 std::to_string(a[3]);
    }
    return d;
}

// send-changes NEW.dat --from BASE.dat: its own options may follow it.
bool takeChangeOptions(std::vector<std::string>& rest, Options& o) {
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const std::string& a = rest[i];
        if (a == "--dry-run") {
            o.dryRun = true;
        } else if (a == "--verify") {
            o.verify = true;
        } else if (a == "--from" || a.rfind("--from=", 0) == 0) {
            o.basePath = a == "--from" ? (i + 1 < rest.size() ? rest[++i] : std::string()) : a.substr(7);
            if (o.basePath.empty()) return false;
        } else {
            kept.push_back(a);
        }
    }
    rest = std::move(kept);
    return true;
}

// --from, --dry-run and --verify belong to send-changes, which needs its base.
std::string changesProblem(const Options& o) {
    if (o.action != Action::SendChanges) {
        if (!o.basePath.empty()) return "--from needs send-changes";
        if (o.dryRun) return "--dry-run needs send-changes";
        if (o.verify) return "--verify needs send-changes";
        return {};
    }
    if (o.basePath.empty()) return "send-changes needs --from BASE.dat, the document the devices hold now";
    if (o.dryRun && o.verify) return "--dry-run sends nothing to verify";
    return {};
}

bool sameDevice(const Device& x, const Device& y) {
    const Device a = resolved(x), b = resolved(y);
    return a.link == b.link && a.serialPath == b.serialPath && a.host == b.host && a.port == b.port &&
           a.rs485 == b.rs485;
}

// The spreadsheet commands work on files alone; a link given is ignored.
Parsed titleFileOptions(Options o, const std::vector<std::string>& rest) {
    const bool exporting = rest[0] == "export-titles";
    if (exporting ? (rest.size() < 2 || rest.size() > 3) : rest.size() != 4)
        return {std::nullopt, exporting ? "'export-titles' takes a document and an optional CSV file"
                                        : "'import-titles' takes a document, a CSV file and the document to write"};
    o.action = exporting ? Action::ExportTitles : Action::ImportTitles;
    o.argument = rest[1];
    o.argument2 = rest.size() > 2 ? rest[2] : "-";
    if (!exporting) o.argument3 = rest[3];
    return {o, {}};
}

}  // namespace

std::vector<Device> devicesOf(const Options& o) {
    std::vector<Device> all{{o.link, o.serialPath, o.host, o.port, o.rs485}};
    all.insert(all.end(), o.more.begin(), o.more.end());
    return all;
}

bool manyDevices(const Options& o) { return !o.more.empty() || o.listenDevices > 1; }

std::string broadcastProblem(const Options& o) {
    if (o.rs485 != kBroadcast) return {};
    std::string what;
    if (o.action == Action::ReadAll) what = "read-all";
    else if (o.action == Action::Verify) what = "verify";
    else if (o.action == Action::SendChanges && o.verify) what = "--verify";
    else if (o.action == Action::Send && isReadRequest(o.argument)) what = o.argument + " asks for a setting and";
    if (what.empty()) return {};
    return "a broadcast (FF) reaches every device and none answers: " + what + " needs one slave address";
}

Parsed parseOptions(const std::vector<std::string>& args) {
    Options o;
    auto fail = [](std::string why) { return Parsed{std::nullopt, std::move(why)}; };

    // Qt's parser gives `--opt value` and `--opt=value` and names an unknown
    // option; what follows the command is the command's, dashes and all.
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const auto flag = [&](QStringList names) { parser.addOption(QCommandLineOption(names)); };
    const auto valued = [&](const char* name, const char* value) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QString::fromLatin1(value)));
    };
    flag({QStringLiteral("h"), QStringLiteral("help")});
    flag({QStringLiteral("version")});
    flag({QStringLiteral("single")});
    flag({QStringLiteral("paced")});
    flag({QStringLiteral("json")});
    flag({QStringLiteral("keep-partial")});
    flag({QStringLiteral("dry-run")});
    flag({QStringLiteral("verify")});
    for (const auto& [name, value] : {std::pair{"serial", "PATH"}, {"tcp", "HOST[:PORT]"}, {"listen", "[ADDR:]PORT"},
                                      {"rs485", "NN"}, {"devices", "N"}, {"wait", "SECONDS"}, {"period", "MS"},
                                      {"timeout", "MS"}, {"retries", "N"}, {"log", "FILE"},
                                      {"from", "FILE"}})
        valued(name, value);
    QStringList qargs{QStringLiteral("vrqctl")};
    for (const std::string& a : args) qargs.push_back(QString::fromLocal8Bit(a.data(), static_cast<qsizetype>(a.size())));
    if (!parser.parse(qargs)) {
        // "Unknown option 'bogus'." and the like, in our own lower-case style.
        QString why = parser.errorText();
        if (why.endsWith(QLatin1Char('.'))) why.chop(1);
        if (!why.isEmpty()) why[0] = why[0].toLower();
        return fail(why.toLocal8Bit().toStdString());
    }
    if (parser.isSet(QStringLiteral("help"))) {
        o.action = Action::Help;
        return {o, {}};
    }
    if (parser.isSet(QStringLiteral("version"))) {
        o.action = Action::Version;
        return {o, {}};
    }

    std::vector<Device> devices;
    // --rs485 names the slaves of the --serial before it (or of the next one),
    // so the options are taken in the order they were given.
    std::vector<std::vector<int>> slaves;
    std::vector<int> pendingSlaves;
    bool devicesGiven = false;
    std::map<QString, int> taken;  // how many values of each option were used
    for (const QString& name : parser.optionNames()) {
        const QStringList values = parser.values(name);
        const int k = taken[name]++;
        const std::string v = k < values.size() ? values[k].toLocal8Bit().toStdString() : std::string();
        const std::string a = "--" + name.toStdString();
        Device d;
        if (a == "--single") {
            o.product = Product::Single;
        } else if (a == "--paced") {
            o.paced = true;
        } else if (a == "--json") {
            o.json = true;
        } else if (a == "--serial") {
            if (v.empty()) return fail("--serial needs a device path");
            d.serialPath = v;
            d.link = LinkKind::Serial;
            devices.push_back(d);
            slaves.push_back(std::move(pendingSlaves));
            pendingSlaves.clear();
        } else if (a == "--tcp") {
            if (!splitHostPort(v, false, d.host, d.port)) return fail("--tcp needs HOST[:PORT]");
            d.link = LinkKind::Tcp;
            devices.push_back(d);
            slaves.emplace_back();
        } else if (a == "--listen") {
            if (!splitHostPort(v, true, d.host, d.port)) return fail("--listen needs [ADDR:]PORT");
            d.link = LinkKind::Listen;
            devices.push_back(d);
            slaves.emplace_back();
        } else if (a == "--rs485") {
            std::vector<int> list;
            if (!toAddresses(v, list)) return fail("--rs485 needs an address 00..31 or FF");
            if (!devices.empty() && devices.back().link == LinkKind::Serial && slaves.back().empty())
                slaves.back() = std::move(list);
            else
                pendingSlaves = std::move(list);
        } else if (a == "--devices") {
            if (!toInt(v, 1, kClientSlots - 1, o.listenDevices))
                return fail("--devices needs a count 1.." + std::to_string(kClientSlots - 1));
            devicesGiven = true;
        } else if (a == "--wait") {
            if (!toInt(v, 1, 86400, o.waitS)) return fail("--wait needs seconds");
        } else if (a == "--period") {
            if (!toInt(v, 0, 3600000, o.periodMs)) return fail("--period needs milliseconds");
        } else if (a == "--timeout") {
            if (!toInt(v, 1, 3600000, o.timeoutMs)) return fail("--timeout needs milliseconds");
        } else if (a == "--retries") {
            if (!toInt(v, 0, 9, o.retries)) return fail("--retries needs a count 0..9");
        } else if (a == "--keep-partial") {
            o.keepPartial = true;
        } else if (a == "--from") {
            if (v.empty()) return fail("--from needs a settings document");
            o.basePath = v;
        } else if (a == "--dry-run") {
            o.dryRun = true;
        } else if (a == "--verify") {
            o.verify = true;
        } else if (a == "--log") {
            if (v.empty()) return fail("--log needs a file");
            o.logPath = v;
        }
    }
    std::vector<std::string> rest;
    for (const QString& r : parser.positionalArguments()) rest.push_back(r.toLocal8Bit().toStdString());
    if (rest.empty()) return fail("no command given");
    if (rest[0] == "export-titles" || rest[0] == "import-titles") return titleFileOptions(o, rest);
    if (rest[0] == "send-changes" && !takeChangeOptions(rest, o)) return fail("--from needs a settings document");
    const std::size_t wanted = rest[0] == "diff" ? 3 : 2;
    if (rest.size() != wanted)
        return fail("'" + rest[0] + "' takes exactly " + (wanted == 3 ? "two arguments" : "one argument"));
    if (rest[0] == "send")
        o.action = Action::Send;
    else if (rest[0] == "send-all")
        o.action = Action::SendAll;
    else if (rest[0] == "read-all")
        o.action = Action::ReadAll;
    else if (rest[0] == "verify")
        o.action = Action::Verify;
    else if (rest[0] == "diff")
        o.action = Action::Diff;
    else if (rest[0] == "send-changes")
        o.action = Action::SendChanges;
    else
        return fail("unknown command " + rest[0]);
    o.argument = rest[1];
    if (const std::string why = changesProblem(o); !why.empty()) return fail(why);
    if (o.action == Action::Diff) {
        o.argument2 = rest[2];
        return {o, {}};
    }
    if (o.action == Action::SendChanges && o.dryRun) return {o, {}};  // sends nothing: no link
    if (devices.empty()) return fail("no link given (--serial, --tcp or --listen)");
    if (!pendingSlaves.empty()) return fail("--rs485 needs --serial");

    // A bus with several slaves is several devices on one path.
    std::vector<Device> all;
    for (std::size_t k = 0; k < devices.size(); ++k) {
        if (slaves[k].empty()) slaves[k].push_back(-1);
        for (int address : slaves[k]) {
            Device d = devices[k];
            d.rs485 = address;
            for (const Device& seen : all)
                if (sameDevice(seen, d)) return fail("a device is named twice");
            all.push_back(d);
        }
    }
    const bool listens = devices.front().link == LinkKind::Listen;
    if (devicesGiven && !listens) return fail("--devices needs --listen");
    if (all.size() > 1 || o.listenDevices > 1) {
        for (const Device& d : all) {
            if (d.link == LinkKind::Listen && all.size() > 1) return fail("--listen takes no other link; use --devices N");
            if (d.rs485 == kBroadcast) return fail("a broadcast (FF) reaches no single device of several");
        }
        if (o.action == Action::Send) return fail("'send' takes one device");
    }
    o.link = all.front().link;
    o.serialPath = all.front().serialPath;
    o.host = all.front().host;
    o.port = all.front().port;
    o.rs485 = all.front().rs485;
    o.more.assign(all.begin() + 1, all.end());
    return {o, {}};
}

}  // namespace vrq::ctl
