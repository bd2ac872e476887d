// vrqctl over many devices at once, against simulated devices: eight over
// loopback TCP, and three slaves on one RS-485 pseudo-terminal.

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>

#include "ctl/ctl_documents.h"
#include "ctl/ctl_runner.h"
#include "ctl/fleet_report.h"
#include "model/settings_file.h"

namespace vrq::ctl {
namespace {

constexpr int kFleet = 8;

Options fleetOptions(const std::vector<std::unique_ptr<test::SimProcess>>& sims) {
    Options o;
    o.product = Product::Single;
    o.paced = true;
    o.timeoutMs = 1000;
    for (const auto& sim : sims) {
        Device d;
        d.link = LinkKind::Tcp;
        d.host = "127.0.0.1";
        d.port = listenedPort(*sim);
        EXPECT_GT(d.port, 0) << sim->firstLine();
        if (o.link == LinkKind::None) {
            o.link = d.link;
            o.host = d.host;
            o.port = d.port;
        } else {
            o.more.push_back(d);
        }
    }
    return o;
}

std::vector<std::unique_ptr<test::SimProcess>> startSims(int n, std::vector<std::string> args) {
    std::vector<std::unique_ptr<test::SimProcess>> sims;
    for (int i = 0; i < n; ++i) sims.push_back(std::make_unique<test::SimProcess>(args));
    return sims;
}

int run(Options o, Action a, const std::string& argument, std::string* out = nullptr) {
    o.action = a;
    o.argument = argument;
    std::ostringstream so, se;
    const int rc = runCtl(o, so, se);
    if (out) *out = so.str();
    return rc;
}

int rowsWith(const std::string& out, const std::string& result) {
    std::istringstream rows(out);
    int n = 0;
    for (std::string row; std::getline(rows, row);) n += row.find("  " + result + "  ") != std::string::npos;
    return n;
}

// A single-line document: small, so that many devices stay quick.
std::string richDocument(const QTemporaryDir& dir, Console& model) {
    fillRichModel(model);
    const std::string doc = dir.filePath("rich.dat").toStdString();
    EXPECT_TRUE(SettingsFile::save(model, doc));
    return doc;
}

TEST(CtlFleetTest, EightDevicesSendReadAndVerify) {
    QTemporaryDir dir;
    auto model = makeConsole(Product::Single);
    const std::string doc = richDocument(dir, *model);
    auto sims = startSims(kFleet, {"--single", "--tcp-listen", "0"});
    const Options o = fleetOptions(sims);

    std::string out;
    ASSERT_EQ(run(o, Action::SendAll, doc, &out), kExitOk) << out;

    // read-all into a folder: one document per device, each as a run of that device alone gives.
    const std::string folder = dir.filePath("backup").toStdString();
    ASSERT_EQ(run(o, Action::ReadAll, folder, &out), kExitOk) << out;
    Options alone = o;
    alone.more.clear();
    const std::string single = dir.filePath("alone.dat").toStdString();
    ASSERT_EQ(run(alone, Action::ReadAll, single), kExitOk);
    titlesAsReadBack(*model);
    ASSERT_EQ(readFile(single), SettingsFile::serialize(*model));
    for (const Device& d : devicesOf(o)) {
        const std::string name = "127.0.0.1_" + std::to_string(d.port);
        EXPECT_TRUE(readFile(folder + "/" + name + ".dat") == readFile(single)) << name;
    }

    // Device 3 gets a changed title and a changed colour; verify names both, there only.
    auto changed = makeConsole(Product::Single);
    ASSERT_TRUE(SettingsFile::load(*changed, doc));
    setCell(changed->settings.singleTitleText[4], "\x82\x60\x82\x61");  // ＡＢ
    changed->settings.lineCharColour[9][0] = (changed->settings.lineCharColour[9][0] + 1) % 9;
    const std::string changedDoc = dir.filePath("changed.dat").toStdString();
    ASSERT_TRUE(SettingsFile::save(*changed, changedDoc));
    Options third = o;
    third.port = o.more[2].port;
    third.more.clear();
    ASSERT_EQ(run(third, Action::SendAll, changedDoc), kExitOk);

    ASSERT_EQ(run(o, Action::Verify, doc, &out), kExitRefused);
    const std::string name3 = "127.0.0.1_" + std::to_string(third.port);
    EXPECT_NE(out.find(name3 + ": page 5 title: document "), std::string::npos) << out;
    EXPECT_NE(out.find(", device \"\xef\xbc\xa1\xef\xbc\xa2\"\n"), std::string::npos) << out;  // as UTF-8
    EXPECT_NE(out.find(name3 + ": page 10 character colour: document "), std::string::npos) << out;
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1 + kFleet + 2) << out;  // header, rows, 2 differences
    EXPECT_EQ(rowsWith(out, "ok"), kFleet - 1) << out;

    Options json = o;
    json.json = true;
    ASSERT_EQ(run(json, Action::Verify, doc, &out), kExitRefused);
    EXPECT_NE(out.find("{\"device\":\"" + name3 + "\",\"result\":\"differs\""), std::string::npos) << out;
    EXPECT_NE(out.find("{\"page\":10,\"field\":\"character colour\""), std::string::npos) << out;
}

TEST(CtlFleetTest, ASilentDeviceFailsAloneAmongEight) {
    auto sims = startSims(kFleet - 1, {"--single", "--tcp-listen", "0"});
    sims.insert(sims.begin() + 3, std::make_unique<test::SimProcess>(
                                      std::vector<std::string>{"--single", "--tcp-listen", "0", "--silent"}));
    const Options o = fleetOptions(sims);
    QTemporaryDir dir;
    std::string out;
    ASSERT_EQ(run(o, Action::ReadAll, dir.path().toStdString(), &out), kExitRefused);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), kFleet - 1);
    const std::string silent = "127.0.0.1_" + std::to_string(o.more[2].port);
    EXPECT_NE(out.find(silent + "  failed"), std::string::npos) << out;
    EXPECT_EQ(rowsWith(out, "ok"), kFleet - 1) << out;
}

TEST(CtlFleetTest, ThreeSlavesOnOneBusOneAfterAnother) {
    QTemporaryDir dir;
    auto model = makeConsole(Product::Single);
    const std::string doc = richDocument(dir, *model);
    test::SimProcess bus({"--single", "--rs485", "05,06,07"});
    const std::string log = dir.filePath("wire.log").toStdString();
    const Parsed p = parseOptions({"--single", "--paced", "--timeout", "1000", "--serial", bus.ptyPath(), "--rs485",
                                   "05,06,07", "--log", log, "send-all", doc});
    ASSERT_TRUE(p.options) << p.error;
    ASSERT_EQ(run(*p.options, Action::SendAll, doc), kExitOk);
    // The shared log names the device of every line, after the time.
    std::istringstream lines(readFile(log));
    std::map<std::string, int> perDevice;
    for (std::string line; std::getline(lines, line);) {
        const std::size_t at = line.find(' ') + 1;
        const std::string device = line.substr(at, line.find(' ', at) - at);
        ++perDevice[device];
        // Each line's bytes carry the RS-485 address of the device it names.
        EXPECT_EQ(line.substr(at + device.size() + 3, 2), device.substr(device.size() - 2)) << line;
    }
    ASSERT_EQ(perDevice.size(), 3u);
    for (const auto& [device, count] : perDevice) EXPECT_GT(count, 100) << device;
    const std::string folder = dir.filePath("bus").toStdString();
    ASSERT_EQ(run(*p.options, Action::ReadAll, folder), kExitOk);
    titlesAsReadBack(*model);
    const std::string base = deviceName(devicesOf(*p.options).front());
    for (const char* address : {"05", "06", "07"}) {
        const std::string file = folder + "/" + base.substr(0, base.size() - 2) + address + ".dat";
        EXPECT_TRUE(readFile(file) == SettingsFile::serialize(*model)) << file;
    }
    ASSERT_EQ(run(*p.options, Action::Verify, doc), kExitOk);
}

TEST(CtlDiffTest, TwoDocumentsOffline) {
    QTemporaryDir dir;
    auto model = makeConsole(Product::Multi);
    const std::string a = dir.filePath("a.dat").toStdString(), b = dir.filePath("b.dat").toStdString();
    ASSERT_TRUE(SettingsFile::save(*model, a));
    setCell(model->settings.titleText[0][1], "\x82\xa0");  // あ
    model->settings.scheduleHour[30][23] = 7;
    model->settings.connectorAssign[7] = 0;
    ASSERT_TRUE(SettingsFile::save(*model, b));

    Options o;
    o.action = Action::Diff;
    o.argument = a;
    o.argument2 = b;
    std::ostringstream out, err;
    EXPECT_EQ(runCtl(o, out, err), kExitRefused);
    EXPECT_EQ(out.str(),
              "page 1 line 2 title: A \"\", B \"\xe3\x81\x82\"\n"
              "day 31 entry 24 schedule hour: A 23, B 7\n"
              "connector 8 connector page: A 8, B 1\n"
              "3 differences\n");
    o.json = true;
    out.str("");
    EXPECT_EQ(runCtl(o, out, err), kExitRefused);
    EXPECT_NE(out.str().find("{\"day\":31,\"entry\":24,\"field\":\"schedule hour\",\"a\":\"23\",\"b\":\"7\"}"),
              std::string::npos)
        << out.str();
    o.argument2 = a;
    EXPECT_EQ(runCtl(o, out, err), kExitOk);
    o.argument2 = dir.filePath("missing.dat").toStdString();
    EXPECT_EQ(runCtl(o, out, err), kExitUsage);

    // An empty or random file is no document; titles of digits are titles.
    const std::string empty = dir.filePath("empty.dat").toStdString(), noise = dir.filePath("noise.dat").toStdString();
    std::string random(10240, '\0');
    for (size_t i = 0; i < random.size(); ++i) random[i] = static_cast<char>((i * 2654435761u) >> 13);
    ASSERT_TRUE(writeFileAtomically(empty, ""));
    ASSERT_TRUE(writeFileAtomically(noise, random));
    for (const std::string* bad : {&empty, &noise}) {
        o.argument2 = *bad;
        err.str("");
        EXPECT_EQ(runCtl(o, out, err), kExitUsage);
        EXPECT_NE(err.str().find("not a settings document"), std::string::npos) << err.str();
    }
    for (auto& page : model->settings.titleText)
        for (auto& cell : page) setCell(cell, "119");
    ASSERT_TRUE(SettingsFile::save(*model, b));
    o.argument2 = b;
    EXPECT_EQ(runCtl(o, out, err), kExitRefused);
}

// read-all into a folder names each document after its device, also for
// one device; devices that call in are named by their address, so the names
// stay from night to night (two from one address: in order of arrival).
TEST(CtlFleetTest, ReadAllIntoAFolderNamesDevicesStably) {
    QTemporaryDir dir;
    test::SimProcess one({"--single", "--tcp-listen", "0"});
    Options single = fleetOptions({});
    single.link = LinkKind::Tcp;
    single.host = "127.0.0.1";
    single.port = listenedPort(one);
    single.product = Product::Single;
    EXPECT_EQ(run(single, Action::ReadAll, dir.path().toStdString()), kExitOk);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("127.0.0.1_%1.dat").arg(single.port))));

    Options o = fleetOptions({});
    o.link = LinkKind::Listen;
    o.listenDevices = 2;
    o.waitS = 20;
    {
        QTcpServer probe;  // a port free right now
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
        o.port = probe.serverPort();
    }
    for (const char* night : {"night1", "night2"}) {
        ASSERT_TRUE(QDir(dir.path()).mkdir(night));
        std::unique_ptr<test::SimProcess> devices;
        QTimer::singleShot(200, [&] {
            devices = std::make_unique<test::SimProcess>(std::vector<std::string>{
                "--single", "--tcp-connect", "127.0.0.1:" + std::to_string(o.port), "--connections", "2"});
        });
        EXPECT_EQ(run(o, Action::ReadAll, dir.filePath(night).toStdString()), kExitOk) << night;
        EXPECT_EQ(QDir(dir.filePath(night)).entryList(QDir::Files),
                  (QStringList{"127.0.0.1.dat", "127.0.0.1_2.dat"}));
    }

    // A folder that cannot be written is found before anything is read.
    if (::geteuid() != 0) {
        QFile::setPermissions(dir.filePath("night1"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(run(single, Action::ReadAll, dir.filePath("night1").toStdString()), kExitUsage);
    }
}

}  // namespace
}  // namespace vrq::ctl
