#include "ctl/ctl_options.h"

#include <filesystem>

#include <QCommandLineParser>
#include <QStringList>
#include <cstdlib>
#include <map>

#include "model/app_state.h"
#include "link/ui_language.h"
#include "protocol/answer_match.h"

namespace vrq::ctl {

namespace {

// The help in two pieces, so a translator sees the commands and the options apart.
constexpr Text kCommandsHelp = VRQ_TEXT(
    "Ctl",
    "使い方: vrqctl [オプション] send LINE | send-all FILE.dat | read-all FILE.dat|DIR\n"
    "                        | verify FILE.dat | diff A.dat B.dat\n"
    "                        | export-titles DOC.dat [OUT.csv] | import-titles DOC.dat IN.csv OUT.dat\n"
    "                        | send-changes NEW.dat --from BASE.dat [--dry-run] [--verify]\n"
    "\n"
    "  send LINE          コマンドを1行送信し（CR LF を付けます）、応答を表示します\n"
    "  send-all FILE.dat  設定ファイルのすべての設定を送信します（「全項目の設定」）\n"
    "  read-all FILE.dat  機器からすべての設定を読み込み、新しい設定ファイルにします\n"
    "                     （「設定項目の読み込み」）\n"
    "  read-all DIR       複数の機器のとき: 機器ごとに、機器の名前の設定ファイルを DIR に作ります\n"
    "  verify FILE.dat    すべての機器を読み込み、設定ファイルと違う設定を一覧にします\n"
    "  diff A.dat B.dat   2つの設定ファイルで違う設定を一覧にします（機器は使いません）\n"
    "  export-titles DOC.dat [OUT.csv]\n"
    "                     DOC のすべてのタイトルを CSV（page,line,title。--single では page,title）にして、\n"
    "                     BOM 付きの UTF-8 で OUT か標準出力（- または指定なし）に書き出します\n"
    "                     （「タイトルの書き出し（CSV）」）\n"
    "  import-titles DOC.dat IN.csv OUT.dat\n"
    "                     IN の各行のタイトルを DOC に入れて OUT に書き込みます（UTF-8 か CP932。\n"
    "                     半角の英数字とカナは全角にします）。受け付けられない行が1つでもあれば、\n"
    "                     何も書き込まず、問題をすべて一覧にします（機器は使いません）\n"
    "                     （「タイトルの読み込み（CSV）」）\n"
    "  send-changes NEW.dat --from BASE.dat\n"
    "                     send-all の手順のうち、NEW が BASE（機器が今持っている設定ファイル:\n"
    "                     最後に read-all したもの、または最後に送信したもの）と違う手順だけを送信します\n"
    "                     （「変更分の送信」）\n");

constexpr Text kOptionsHelp = VRQ_TEXT(
    "Ctl",
    "\n"
    "接続先（複数の機器には --serial と --tcp を繰り返します）:\n"
    "  --serial PATH            シリアルデバイス（tty または擬似端末）\n"
    "  --tcp HOST[:PORT]        機器に接続します（ポートの既定は 9004）\n"
    "  --listen [ADDR:]PORT     機器からの接続を待ちます（サーバー）\n"
    "オプション:\n"
    "  --single                 1行表示の機種 VRQ-700S\n"
    "  --rs485 NN[,NN...]|FF    直前の --serial の RS-485 スレーブアドレス（00〜31）、またはブロードキャスト\n"
    "  --devices N              --listen: N 台の機器を待ちます（1〜96）\n"
    "  --wait SECONDS           --listen: 機器を待つ時間（既定 30 秒）\n"
    "  --period MS              コマンドの間隔（既定: 処理ごとの間隔。0 は --paced）\n"
    "  --paced                  応答が届いたらすぐに次のコマンドを送信します\n"
    "  --timeout MS             応答を待つ時間（既定 3000）\n"
    "  --retries N              正しい応答がないとき、コマンドを N 回（0〜9）まで送り直します（既定 1）\n"
    "  --keep-partial           read-all: 読み込めなかった設定があっても設定ファイルを書き込みます（終了状態 1）\n"
    "  --from BASE.dat          send-changes: 機器が今持っている設定ファイル\n"
    "  --dry-run                send-changes: 送信する手順を一覧にし、何も送信しません（接続先は不要）\n"
    "  --verify                 send-changes: 送信した設定を読み戻し、違うものを一覧にします（終了状態 1）\n"
    "  --log FILE               送信、受信、破棄したすべての行を時刻付きで追記します\n"
    "  --json                   verify、diff、複数の機器のまとめを JSON で出力します\n"
    "  --lang ja|en             表示の言語（既定: LC_ALL、LC_MESSAGES、LANG の順にロケールから。\n"
    "                           どれも設定されていなければ日本語）\n"
    "  -h, --help               この説明\n"
    "  --version                vrqctl のバージョン\n"
    "オプションの値は後に続けるか、'=' でつなぎます（--tcp=HOST:PORT）\n"
    "終了状態: 0 完了、1 機器が拒否した・応答しなかった・違いがあった、2 使い方の誤りかファイルのエラー\n");

}  // namespace

std::string usageText() { return renderUtf8(kCommandsHelp) + renderUtf8(kOptionsHelp); }

UiLanguage chosenLanguage(const std::vector<std::string>& args, std::string& unknown) {
    UiLanguage chosen = languageFromEnvironment();
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string value;
        if (args[i] == "--lang" && i + 1 < args.size())
            value = args[++i];
        else if (args[i].rfind("--lang=", 0) == 0)
            value = args[i].substr(7);
        else
            continue;
        if (const std::optional<UiLanguage> named = languageNamed(QString::fromStdString(value)))
            chosen = *named;
        else
            unknown = value;
    }
    return chosen;
}

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
        const Text onlyThere = VRQ_TEXT("Ctl", "%1 は send-changes でだけ使えます。");
        if (!o.basePath.empty()) return renderUtf8(Message(onlyThere).arg("--from"));
        if (o.dryRun) return renderUtf8(Message(onlyThere).arg("--dry-run"));
        if (o.verify) return renderUtf8(Message(onlyThere).arg("--verify"));
        return {};
    }
    if (o.basePath.empty())
        return renderUtf8(VRQ_TEXT("Ctl", "send-changes には --from BASE.dat（機器が今持っている設定ファイル）を指定してください。"));
    if (o.dryRun && o.verify)
        return renderUtf8(VRQ_TEXT("Ctl", "--dry-run は何も送信しないため、確かめるものがありません。"));
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
        return {std::nullopt,
                renderUtf8(exporting ? VRQ_TEXT("Ctl", "'export-titles' には設定ファイルと、必要なら CSV ファイルを指定してください。")
                                     : VRQ_TEXT("Ctl", "'import-titles' には設定ファイル、CSV ファイル、書き込む設定ファイルを指定してください。"))};
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
    if (o.action == Action::Send && isReadRequest(o.argument))
        return renderUtf8(Message(VRQ_TEXT("Ctl", "ブロードキャスト（FF）はすべての機器に届きますが、どの機器も応答しません。"
                                                  "%1 は設定を問い合わせるため、スレーブアドレスを1つ指定してください。"))
                              .arg(o.argument));
    std::string what;
    if (o.action == Action::ReadAll) what = "read-all";
    else if (o.action == Action::Verify) what = "verify";
    else if (o.action == Action::SendChanges && o.verify) what = "--verify";
    if (what.empty()) return {};
    return renderUtf8(Message(VRQ_TEXT("Ctl", "ブロードキャスト（FF）はすべての機器に届きますが、どの機器も応答しません。"
                                              "%1 にはスレーブアドレスを1つ指定してください。"))
                          .arg(what));
}

Parsed parseOptions(const std::vector<std::string>& args) {
    Options o;
    auto fail = [](const Message& why) { return Parsed{std::nullopt, renderUtf8(why)}; };

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
                                      {"from", "FILE"}, {"lang", "ja|en"}})
        valued(name, value);
    QStringList qargs{QStringLiteral("vrqctl")};
    for (const std::string& a : args) qargs.push_back(QString::fromLocal8Bit(a.data(), static_cast<qsizetype>(a.size())));
    if (!parser.parse(qargs)) {
        // "Unknown option 'bogus'." and the like, in our own lower-case style.
        QString why = parser.errorText();
        if (why.endsWith(QLatin1Char('.'))) why.chop(1);
        if (!why.isEmpty()) why[0] = why[0].toLower();
        return fail(Message::plain(why.toLocal8Bit().toStdString()));
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
            if (v.empty()) return fail(VRQ_TEXT("Ctl", "--serial にはデバイスのパスを指定してください。"));
            d.serialPath = v;
            d.link = LinkKind::Serial;
            devices.push_back(d);
            slaves.push_back(std::move(pendingSlaves));
            pendingSlaves.clear();
        } else if (a == "--tcp") {
            if (!splitHostPort(v, false, d.host, d.port)) return fail(VRQ_TEXT("Ctl", "--tcp には HOST[:PORT] を指定してください。"));
            d.link = LinkKind::Tcp;
            devices.push_back(d);
            slaves.emplace_back();
        } else if (a == "--listen") {
            if (!splitHostPort(v, true, d.host, d.port)) return fail(VRQ_TEXT("Ctl", "--listen には [ADDR:]PORT を指定してください。"));
            d.link = LinkKind::Listen;
            devices.push_back(d);
            slaves.emplace_back();
        } else if (a == "--rs485") {
            std::vector<int> list;
            if (!toAddresses(v, list)) return fail(VRQ_TEXT("Ctl", "--rs485 には 00〜31 のアドレスか FF を指定してください。"));
            if (!devices.empty() && devices.back().link == LinkKind::Serial && slaves.back().empty())
                slaves.back() = std::move(list);
            else
                pendingSlaves = std::move(list);
        } else if (a == "--devices") {
            if (!toInt(v, 1, kClientSlots - 1, o.listenDevices))
                return fail(Message(VRQ_TEXT("Ctl", "--devices には 1〜%1 の台数を指定してください。")).arg(kClientSlots - 1));
            devicesGiven = true;
        } else if (a == "--wait") {
            if (!toInt(v, 1, 86400, o.waitS)) return fail(VRQ_TEXT("Ctl", "--wait には秒数を指定してください。"));
        } else if (a == "--period") {
            if (!toInt(v, 0, 3600000, o.periodMs)) return fail(Message(VRQ_TEXT("Ctl", "%1 にはミリ秒を指定してください。")).arg(a));
        } else if (a == "--timeout") {
            if (!toInt(v, 1, 3600000, o.timeoutMs)) return fail(Message(VRQ_TEXT("Ctl", "%1 にはミリ秒を指定してください。")).arg(a));
        } else if (a == "--retries") {
            if (!toInt(v, 0, 9, o.retries)) return fail(VRQ_TEXT("Ctl", "--retries には 0〜9 の回数を指定してください。"));
        } else if (a == "--keep-partial") {
            o.keepPartial = true;
        } else if (a == "--from") {
            if (v.empty()) return fail(VRQ_TEXT("Ctl", "--from には設定ファイルを指定してください。"));
            o.basePath = v;
        } else if (a == "--dry-run") {
            o.dryRun = true;
        } else if (a == "--verify") {
            o.verify = true;
        } else if (a == "--log") {
            if (v.empty()) return fail(VRQ_TEXT("Ctl", "--log にはファイルを指定してください。"));
            o.logPath = v;
        }
    }
    std::vector<std::string> rest;
    for (const QString& r : parser.positionalArguments()) rest.push_back(r.toLocal8Bit().toStdString());
    if (rest.empty()) return fail(VRQ_TEXT("Ctl", "コマンドが指定されていません。"));
    if (rest[0] == "export-titles" || rest[0] == "import-titles") return titleFileOptions(o, rest);
    if (rest[0] == "send-changes" && !takeChangeOptions(rest, o))
        return fail(VRQ_TEXT("Ctl", "--from には設定ファイルを指定してください。"));
    const std::size_t wanted = rest[0] == "diff" ? 3 : 2;
    if (rest.size() != wanted)
        return fail(Message(wanted == 3 ? VRQ_TEXT("Ctl", "'%1' には引数を2つ指定してください。")
                                        : VRQ_TEXT("Ctl", "'%1' には引数を1つ指定してください。"))
                        .arg(rest[0]));
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
        return fail(Message(VRQ_TEXT("Ctl", "%1 というコマンドはありません。")).arg(rest[0]));
    o.argument = rest[1];
    if (const std::string why = changesProblem(o); !why.empty()) return fail(Message::plain(why));
    if (o.action == Action::Diff) {
        o.argument2 = rest[2];
        return {o, {}};
    }
    if (o.action == Action::SendChanges && o.dryRun) return {o, {}};  // sends nothing: no link
    if (devices.empty()) return fail(VRQ_TEXT("Ctl", "接続先が指定されていません（--serial、--tcp、--listen）。"));
    if (!pendingSlaves.empty()) return fail(VRQ_TEXT("Ctl", "--rs485 には --serial が必要です。"));

    // A bus with several slaves is several devices on one path.
    std::vector<Device> all;
    for (std::size_t k = 0; k < devices.size(); ++k) {
        if (slaves[k].empty()) slaves[k].push_back(-1);
        for (int address : slaves[k]) {
            Device d = devices[k];
            d.rs485 = address;
            for (const Device& seen : all)
                if (sameDevice(seen, d)) return fail(VRQ_TEXT("Ctl", "同じ機器が2回指定されています。"));
            all.push_back(d);
        }
    }
    const bool listens = devices.front().link == LinkKind::Listen;
    if (devicesGiven && !listens) return fail(VRQ_TEXT("Ctl", "--devices には --listen が必要です。"));
    if (all.size() > 1 || o.listenDevices > 1) {
        for (const Device& d : all) {
            if (d.link == LinkKind::Listen && all.size() > 1) return fail(VRQ_TEXT("Ctl", "--listen はほかの接続先と一緒には使えません。--devices N を使ってください。"));
            if (d.rs485 == kBroadcast) return fail(VRQ_TEXT("Ctl", "複数の機器を指定したときは、ブロードキャスト（FF）は使えません。"));
        }
        if (o.action == Action::Send) return fail(VRQ_TEXT("Ctl", "'send' には機器を1台だけ指定してください。"));
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
