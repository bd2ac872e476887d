#include "ctl/fleet_report.h"

#include <QString>
#include <QStringDecoder>
#include <cstdio>
#include <memory>
#include <ostream>

#include "ctl/device_run.h"
#include "ctl/run_io.h"
#include "link/ui_language.h"
#include "model/console.h"
#include "model/settings_file.h"

namespace vrq::ctl {

namespace {

std::string jsonString(std::string_view s) {
    std::string out = "\"";
    for (const char ch : s) {
        const auto u = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (u < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", u);
            out += buf;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

std::string shownValue(const Difference& d, const std::string& v) {
    return d.text ? "\"" + shownText(v) + "\"" : v;
}

void jsonDifferences(const DocumentDiff& diff, const char* first, const char* second, std::ostream& out) {
    out << "\"differences\":[";
    for (std::size_t i = 0; i < diff.items.size(); ++i) {
        const Difference& d = diff.items[i];
        out << (i ? "," : "") << "{";
        const std::pair<const char*, int> at[] = {
            {"page", d.page}, {"line", d.line}, {"day", d.day}, {"entry", d.entry}, {"connector", d.connector}};
        for (const auto& [key, n] : at)
            if (n > 0) out << "\"" << key << "\":" << n << ",";
        out << "\"field\":" << jsonString(d.field) << ",\"" << first << "\":" << jsonString(shownText(d.a))
            << ",\"" << second << "\":" << jsonString(shownText(d.b)) << "}";
    }
    out << "],\"total\":" << diff.total;
}

std::string differencesText(std::size_t n) {
    return renderUtf8(Message(VRQ_TEXT_N("Ctl", "%n 件の違い")).count(static_cast<long long>(n)));
}

}  // namespace

std::string deviceName(const Device& d) {
    if (d.link != LinkKind::Serial) return d.host + "_" + std::to_string(d.port);
    std::string path = d.serialPath;
    if (path.rfind("/dev/", 0) == 0) {
        path.erase(0, 5);
        for (char& ch : path)
            if (ch == '/') ch = '-';
    } else if (const auto slash = path.rfind('/'); slash != std::string::npos) {
        path.erase(0, slash + 1);
    }
    if (d.rs485 < 0) return path;
    return path + (d.rs485 < 10 ? "_0" : "_") + std::to_string(d.rs485);
}

std::string shownText(std::string_view shiftJis) {
    QStringDecoder decode("Shift_JIS");
    if (decode.isValid()) {
        const QString text = decode(QByteArrayView(shiftJis.data(), static_cast<qsizetype>(shiftJis.size())));
        return text.toStdString();
    }
    std::string out;
    for (const char ch : shiftJis) {
        const auto u = static_cast<unsigned char>(ch);
        if (u >= 0x20 && u < 0x7f) {
            out += ch;
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", u);
            out += buf;
        }
    }
    return out;
}

std::string resultText(const Options& o, const DeviceRow& r) {
    if (r.rc < 0) return "running";
    if (r.rc == kExitOk) return "ok";
    if ((o.action == Action::Verify || o.verify) && r.rc == kExitRefused && r.diff.total > 0) return "differs";
    return "failed";
}

void printSummary(const Options& o, const std::vector<DeviceRow>& rows, std::ostream& out) {
    if (o.json) {
        out << "{\"devices\":[";
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const DeviceRow& r = rows[i];
            char seconds[32];
            std::snprintf(seconds, sizeof seconds, "%.3f", r.seconds);
            out << (i ? "," : "") << "{\"device\":" << jsonString(r.name) << ",\"result\":"
                << jsonString(resultText(o, r)) << ",\"seconds\":" << seconds;
            if (!r.reason.empty()) out << ",\"reason\":" << jsonString(r.reason);
            if (!r.file.empty() && r.rc == kExitOk) out << ",\"file\":" << jsonString(r.file);
            if (o.action == Action::Verify || o.verify) {
                out << ",";
                jsonDifferences(r.diff, "document", "device", out);
            }
            out << "}";
        }
        out << "]}\n";
        return;
    }
    std::size_t width = 6;
    for (const DeviceRow& r : rows) width = std::max(width, r.name.size());
    char line[64];
    std::snprintf(line, sizeof line, "%-8s %8s  ", "RESULT", "TIME");
    out << "DEVICE" << std::string(width - 6 + 2, ' ') << line << "DETAIL\n";
    for (const DeviceRow& r : rows) {
        std::snprintf(line, sizeof line, "%-8s %6.1f s  ", resultText(o, r).c_str(), r.seconds);
        std::string detail = r.reason;
        if (r.rc != kExitOk && r.diff.total > 0) detail = differencesText(r.diff.total);
        if (r.rc == kExitOk && !r.file.empty()) detail = r.file;
        out << r.name << std::string(width - r.name.size() + 2, ' ') << line << detail << "\n";
    }
    for (const DeviceRow& r : rows) printDifferences(r.diff, r.name + ": ", "document", "device", out);
}

void printDifferences(const DocumentDiff& diff, const std::string& prefix, const char* first, const char* second,
                      std::ostream& out) {
    for (const Difference& d : diff.items) {
        const std::string place = d.place();
        out << prefix << (place.empty() ? "" : place + " ") << d.field << ": " << first << " "
            << shownValue(d, d.a) << ", " << second << " " << shownValue(d, d.b) << "\n";
    }
    if (diff.total > diff.items.size()) out << prefix << "and " << diff.total - diff.items.size() << " more\n";
}

int runDiff(const Options& o, std::ostream& out, std::ostream& err) {
    std::unique_ptr<Console> docs[2] = {makeConsole(o.product), makeConsole(o.product)};
    const std::string* paths[2] = {&o.argument, &o.argument2};
    for (int i = 0; i < 2; ++i) {
        if (const FileResult r = SettingsFile::load(*docs[i], *paths[i]); !r) {
            err << "vrqctl: " << renderUtf8(Message(kCannotReadText).arg(*paths[i]).arg(fileProblemReason(r))) << "\n";
            return kExitUsage;
        }
    }
    const DocumentDiff diff = compareDocuments(docs[0]->settings, docs[1]->settings, o.product);
    if (o.json) {
        out << "{\"a\":" << jsonString(o.argument) << ",\"b\":" << jsonString(o.argument2) << ",";
        jsonDifferences(diff, "a", "b", out);
        out << "}\n";
    } else {
        printDifferences(diff, "", "A", "B", out);
        out << (diff.total ? differencesText(diff.total) : renderUtf8(VRQ_TEXT("Ctl", "2つの設定ファイルは同じです。")))
            << "\n";
    }
    return diff.total ? kExitRefused : kExitOk;
}

}  // namespace vrq::ctl
