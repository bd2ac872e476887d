// vrqsim: a simulated title display device for trials and tests.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/ui_language.h"
#include "model/product_names.h"
#include "sim/sim_device.h"
#include "sim/sim_io.h"

namespace {

constexpr vrq::Text kUsage = VRQ_TEXT(
    "Sim",
    "使い方: vrqsim [--single] [--link PATH | --tcp-listen PORT | --tcp-connect HOST:PORT]\n"
    "              [--rs485 NN[,NN...]] [--menu] [--error-at K] [--error-code EN] [--silent]\n"
    "              [--delay-ms D] [--record FILE]\n"
    "              [--silent-after K] [--drop-after K] [--garbage K] [--connections N]\n"
    "              [--wrong-row-at K] [--late-at K] [--late-ms MS] [--damage-every N]\n"
    "              [--baud N] [--lang ja|en] [--help] [--version]\n"
    "TCP のオプションがなければ、新しい擬似端末で応答し、そのパスを表示します。\n"
    "--baud N: N ボー、8E1（1バイト 11 ビット）の回線より速くは送受信しません。\n"
    "--rs485 05,06,07: 1本の回線に複数のスレーブを置き、それぞれが自分の設定を持ちます。\n"
    "--lang ja|en: メッセージの言語（既定: LC_ALL、LC_MESSAGES、LANG の順にロケールから。\n"
    "              どれも設定されていなければ日本語）。\n"
    "オプションの値は後に続けるか、'=' でつなぎます（--baud=38400）。\n");

std::string usage() { return vrq::renderUtf8(kUsage); }

// A bad value of an option, with the help.
int badArgument(const std::string& what) {
    std::cerr << "vrqsim: " << vrq::renderUtf8(vrq::Message(VRQ_TEXT("Sim", "引数 %1 が正しくありません。")).arg(what))
              << "\n"
              << usage();
    return 2;
}

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
    // For the translator alone: the device itself runs on plain POSIX calls.
    QCoreApplication app(argc, argv);
    vrq::sim::SimOptions opt;
    vrq::sim::IoOptions io;
    std::vector<int> slaves;

    // Qt's parser: `--opt value` and `--opt=value`, unknown options named.
    QCommandLineParser parser;
    for (const char* name : {"single", "menu", "silent", "version"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    for (const char* name : {"link", "record", "tcp-connect", "error-code", "tcp-listen", "rs485", "error-at",
                             "delay-ms", "silent-after", "drop-after", "garbage", "baud", "connections",
                             "wrong-row-at", "late-at", "late-ms", "damage-every"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    const QCommandLineOption lang(QStringLiteral("lang"), QString(), QStringLiteral("ja|en"));
    parser.addOption(lang);
    QStringList args;
    for (int i = 0; i < argc; ++i) args.push_back(QString::fromLocal8Bit(argv[i]));
    const bool parsed = parser.parse(args);
    // Chosen before any problem is told: a bad command line is told in it.
    const std::optional<vrq::UiLanguage> named =
        parser.isSet(lang) ? vrq::languageNamed(parser.value(lang)) : vrq::languageFromEnvironment();
    vrq::installUiLanguage(named.value_or(vrq::languageFromEnvironment()));
    io.say = [](const vrq::Message& m) { return vrq::renderUtf8(m); };
    if (!parsed) {
        std::cerr << "vrqsim: " << parser.errorText().toLocal8Bit().constData() << "\n" << usage();
        return 2;
    }
    if (!named) return badArgument("--lang " + parser.value(lang).toStdString());
    if (parser.isSet(QStringLiteral("help"))) {
        std::cout << usage();
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::cout << "vrqsim " << vrq::kReleaseNumber << "\n";
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return badArgument(parser.positionalArguments().front().toLocal8Bit().toStdString());
    }
    for (const QString& name : parser.optionNames()) {
        const std::string a = "--" + name.toStdString();
        const std::string v = parser.value(name).toLocal8Bit().toStdString();
        bool ok = true;
        if (a == "--single") opt.product = vrq::Product::Single;
        else if (a == "--menu") opt.menu = true;
        else if (a == "--silent") opt.silent = true;
        else if (a == "--link") io.linkPath = v;
        else if (a == "--record") io.recordPath = v;
        else if (a == "--tcp-connect") io.tcpConnect = v;
        else if (a == "--error-code") opt.errorCode = v;
        else if (a == "--tcp-listen") ok = toInt(v, io.tcpListenPort) && io.tcpListenPort <= 65535;
        else if (a == "--rs485") ok = toAddresses(v, slaves);
        else if (a == "--error-at") ok = toInt(v, opt.errorAt);
        else if (a == "--delay-ms") ok = toInt(v, io.delayMs);
        else if (a == "--silent-after") ok = toInt(v, opt.silentAfter);
        else if (a == "--drop-after") ok = toInt(v, opt.dropAfter);
        else if (a == "--garbage") ok = toInt(v, opt.garbage);
        else if (a == "--wrong-row-at") ok = toInt(v, opt.wrongRowAt);
        else if (a == "--late-at") ok = toInt(v, opt.lateAt);
        else if (a == "--late-ms") ok = toInt(v, opt.lateMs);
        else if (a == "--damage-every") ok = toInt(v, opt.damageEvery);
        else if (a == "--baud") ok = toInt(v, io.baud) && io.baud >= 50;
        else if (a == "--connections") ok = toInt(v, io.connections) && io.connections >= 1 && io.connections <= 200;
        if (!ok) return badArgument(a + " " + v);
    }
    if (slaves.size() > 1 && (io.tcpListenPort >= 0 || !io.tcpConnect.empty())) {
        std::cerr << "vrqsim: "
                  << vrq::renderUtf8(VRQ_TEXT("Sim", "複数のスレーブはシリアル回線でだけ使えます。")) << "\n"
                  << usage();
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
