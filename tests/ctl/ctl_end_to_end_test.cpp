// vrqctl against the simulated device: a rich settings document goes out with
// send-all and comes back equal with read-all, for both models, over a
// pseudo-terminal with RS-485 addressing and over loopback TCP.

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "ctl/ctl_runner.h"
#include "ctl/run_io.h"
#include "link/ui_language.h"
#include "model/reset_settings.h"
#include "model/settings_file.h"
#include "protocol/bulk_runs.h"
#include "model/text_cell.h"
#include "protocol/title_decode.h"
#include "protocol/title_encode.h"
#include "ctl/ctl_documents.h"
#include "support/sim_process.h"

namespace vrq::ctl {
namespace {

struct Case {
    Product product;
    bool tcp;
};

class CtlEndToEndTest : public ::testing::TestWithParam<Case> {};

TEST_P(CtlEndToEndTest, SendAllThenReadAllGivesTheDocumentBack) {
    const Case k = GetParam();
    QTemporaryDir dir;
    const std::string original = dir.filePath("rich.dat").toStdString();
    const std::string readBack = dir.filePath("back.dat").toStdString();
    auto model = makeConsole(k.product);
    fillRichModel(*model);
    ASSERT_TRUE(SettingsFile::save(*model, original));

    std::vector<std::string> simArgs = {"--tcp-listen", "0"};
    if (!k.tcp) simArgs = {"--rs485", "05"};
    if (k.product == Product::Single) simArgs.push_back("--single");
    test::SimProcess sim(simArgs);

    Options o;
    o.product = k.product;
    o.paced = true;
    if (k.tcp) {
        o.link = LinkKind::Tcp;
        o.host = "127.0.0.1";
        o.port = listenedPort(sim);
        ASSERT_GT(o.port, 0) << sim.firstLine();
    } else {
        o.link = LinkKind::Serial;
        o.serialPath = sim.ptyPath();
        o.rs485 = 5;
        ASSERT_FALSE(o.serialPath.empty()) << sim.firstLine();
    }
    std::ostringstream out, err;
    o.action = Action::SendAll;
    o.argument = original;
    ASSERT_EQ(runCtl(o, out, err), kExitOk) << err.str();

    o.action = Action::ReadAll;
    o.argument = readBack;
    err.str("");
    ASSERT_EQ(runCtl(o, out, err), kExitOk) << err.str();
    const std::string unasked = "\nvrqctl: no device can be asked for its " +
                                renderUtf8(readAllUnaskedSettings(k.product)) + "; the documents written hold their defaults\n";
    EXPECT_TRUE(err.str().size() > unasked.size() && err.str().ends_with(unasked)) << err.str();

    titlesAsReadBack(*model);
    const std::string expected = SettingsFile::serialize(*model);
    const std::string got = readFile(readBack);
    ASSERT_EQ(got.size(), expected.size());
    EXPECT_TRUE(got == expected);
    // The filler of a line followed by a filled one comes back as full-width spaces.
    if (k.product == Product::Multi) {
        EXPECT_NE(got.find("\x81\x40\x81\x40"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(BothModelsBothLinks, CtlEndToEndTest,
                         ::testing::Values(Case{Product::Multi, false}, Case{Product::Multi, true},
                                           Case{Product::Single, false}, Case{Product::Single, true}),
                         [](const auto& info) {
                             return std::string(info.param.product == Product::Multi ? "Multi" : "Single") +
                                    (info.param.tcp ? "Tcp" : "Pty");
                         });

// A document with values out of range goes out corrected; verify compares
// what was sent, so the device it was just sent to does not differ.
TEST(CtlVerifyTest, ADocumentWithValuesOutOfRangeVerifiesAfterItsSendAll) {
    for (const Product p : {Product::Multi, Product::Single}) {
        QTemporaryDir dir;
        const std::string path = dir.filePath("odd.dat").toStdString();
        auto model = makeConsole(p);
        fillRichModel(*model);
        putOutOfRangeValues(*model);
        ASSERT_TRUE(SettingsFile::save(*model, path));

        std::vector<std::string> simArgs = {"--tcp-listen", "0"};
        if (p == Product::Single) simArgs.push_back("--single");
        test::SimProcess sim(simArgs);
        Options o;
        o.product = p;
        o.paced = true;
        o.link = LinkKind::Tcp;
        o.host = "127.0.0.1";
        o.port = listenedPort(sim);
        o.argument = path;
        std::ostringstream out, err;
        o.action = Action::SendAll;
        ASSERT_EQ(runCtl(o, out, err), kExitOk) << err.str();
        // Told once, as the consoles tell it when they open the document.
        const std::string told = "vrqctl: " + path + ": The file held values out of range. They are shown as the values that will be sent:\nCharacter size, ";
        EXPECT_NE(err.str().find(told), std::string::npos) << err.str();
        EXPECT_EQ(err.str().find(told), err.str().rfind(told));
        o.action = Action::Verify;
        EXPECT_EQ(runCtl(o, out, err), kExitOk) << out.str() << err.str();
    }
}

// What the consoles tell on opening a document, send-all tells on stderr.
TEST(CtlSendTest, SendAllNamesCorrectedKindsAndTitlesTheDeviceDoesNotTake) {
    auto c = makeConsole(Product::Single);
    c->settings.pageDisplayPosition[10] = 2;
    setCell(c->settings.singleTitleText[10], "\xEF\x9F");
    std::ostringstream err;
    tellCorrected(*c, "x.dat", err);
    EXPECT_EQ(err.str(), "vrqctl: x.dat: The file held values out of range. They are shown as the values that will be "
                         "sent:\nDisplay position\n"
                         "vrqctl: x.dat: Titles in 1 place hold characters the device does not take. Correct them in "
                         "Title Settings.\nPage 011: JIS 7E21\n");
    EXPECT_EQ(c->settings.pageDisplayPosition[10], 0);
}

TEST(CtlSendTest, AnswersRefusalsAndSilence) {
    test::SimProcess sim({"--rs485", "05", "--error-at", "2"});
    Options o;
    o.link = LinkKind::Serial;
    o.serialPath = sim.ptyPath();
    o.rs485 = 5;
    o.action = Action::Send;
    o.timeoutMs = 500;
    std::ostringstream out, err;
    o.argument = "CBS003L10ON";
    EXPECT_EQ(runCtl(o, out, err), kExitOk) << err.str();
    EXPECT_EQ(out.str(), "05GO\n");
    o.argument = "CBS003L10ON";  // the second line is refused
    EXPECT_EQ(runCtl(o, out, err), kExitRefused);
    EXPECT_NE(err.str().find("Command Error"), std::string::npos);
    o.rs485 = 7;  // nobody there
    EXPECT_EQ(runCtl(o, out, err), kExitRefused);
    EXPECT_NE(err.str().find("No Connect"), std::string::npos);
    o.rs485 = 32;  // a broadcast expects no answer
    EXPECT_EQ(runCtl(o, out, err), kExitOk);
    o.action = Action::SendAll;
    o.argument = "/nonexistent/doc.dat";
    EXPECT_EQ(runCtl(o, out, err), kExitUsage);
}

// A read-back row is a success. A line no table row takes is no answer: it
// is dropped and the command asked again; without a repeat the command fails.
// No byte of the junk reaches the terminal raw.
TEST(CtlSendTest, OnlyGoOrAReadBackRowSucceeds) {
    test::SimProcess sim({"--tcp-listen", "0", "--error-at", "2", "--error-code", "\x1b]0;x\x07junk"});
    Options o;
    o.link = LinkKind::Tcp;
    o.host = "127.0.0.1";
    o.port = listenedPort(sim);
    o.action = Action::Send;
    o.argument = "RVN";
    std::ostringstream out, err;
    EXPECT_EQ(runCtl(o, out, err), kExitOk) << err.str();
    EXPECT_EQ(out.str(), "VN1.05\n");

    std::ostringstream again, againErr;
    EXPECT_EQ(runCtl(o, again, againErr), kExitOk) << againErr.str();  // the repeat got it
    EXPECT_EQ(again.str(), "VN1.05\n");

    test::SimProcess junk({"--tcp-listen", "0", "--error-at", "1", "--error-code", "\x1b]0;x\x07junk"});
    o.port = listenedPort(junk);
    o.retries = 0;
    std::ostringstream junkOut, junkErr;
    EXPECT_EQ(runCtl(o, junkOut, junkErr), kExitRefused);
    EXPECT_EQ(junkOut.str(), "");
    EXPECT_EQ(junkErr.str().find('\x1b'), std::string::npos);
    EXPECT_NE(junkErr.str().find("no valid answer"), std::string::npos) << junkErr.str();
}

// Every device takes a broadcast and none answers: what would read is refused
// before a byte goes out, so the set command after it is the first line the
// device gets.
TEST(CtlSendTest, ABroadcastNeverReads) {
    QTemporaryDir dir;
    const std::string record = dir.filePath("rec").toStdString();
    const std::string doc = dir.filePath("doc.dat").toStdString();
    ASSERT_TRUE(SettingsFile::save(*makeConsole(Product::Multi), doc));
    test::SimProcess sim({"--rs485", "05", "--record", record});
    Options o;
    o.link = LinkKind::Serial;
    o.serialPath = sim.ptyPath();
    o.rs485 = kBroadcastAddress;
    o.paced = true;  // a run that went out after all ends soon
    const std::pair<Action, std::string> refused[] = {{Action::ReadAll, dir.filePath("out.dat").toStdString()},
                                                      {Action::Verify, doc},
                                                      {Action::Send, "RCA001"},
                                                      {Action::Send, "RFBMS2121"},
                                                      {Action::Send, "RVN"}};
    for (const auto& [action, argument] : refused) {
        o.action = action;
        o.argument = argument;
        std::ostringstream out, err;
        EXPECT_EQ(runCtl(o, out, err), kExitUsage) << argument;
        EXPECT_NE(err.str().find("a broadcast (FF) reaches every device and none answers"), std::string::npos)
            << err.str();
        EXPECT_TRUE(out.str().empty()) << out.str();
    }
    o.action = Action::Send;
    o.argument = "RMOPE";  // a set command, though it begins with R
    std::ostringstream out, err;
    ASSERT_EQ(runCtl(o, out, err), kExitOk) << err.str();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !readFile(record).empty(); }, 2000));
    EXPECT_EQ(readFile(record).substr(0, 9), "FFRMOPE\r\n");
}

TEST(CtlFilesTest, DocumentsThatCannotBeReadOrWrittenEndWithTwo) {
    QTemporaryDir dir;
    const std::string fifo = dir.filePath("fifo").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string multi = dir.filePath("multi.dat").toStdString();
    ASSERT_TRUE(SettingsFile::save(*makeConsole(Product::Multi), multi));

    // Refused before any link is opened: nothing would be sent.
    Options o;
    o.product = Product::Single;
    o.link = LinkKind::Serial;
    o.serialPath = "/nonexistent/tty";
    o.action = Action::SendAll;
    const std::pair<std::string, const char*> refused[] = {
        {"/dev/zero", "not a regular file"}, {fifo, "not a regular file"}, {multi, "the other model"}};
    for (const auto& [path, why] : refused) {
        std::ostringstream out, err;
        o.argument = path;
        EXPECT_EQ(runCtl(o, out, err), kExitUsage) << path;
        EXPECT_NE(err.str().find(why), std::string::npos) << err.str();
    }

    // A read-all whose document cannot be written is no success.
    test::SimProcess sim({"--single"});
    o.serialPath = sim.ptyPath();
    o.paced = true;
    o.action = Action::ReadAll;
    o.argument = "/dev/full";
    std::ostringstream out, err;
    EXPECT_EQ(runCtl(o, out, err), kExitUsage) << err.str();
    EXPECT_NE(err.str().find("/dev/full"), std::string::npos) << err.str();

    // A FIFO as the log is refused at once: opening it would wait for a reader.
    o.action = Action::Send;
    o.argument = "RVN";
    o.logPath = fifo;
    std::ostringstream out3, err3;
    EXPECT_EQ(runCtl(o, out3, err3), kExitUsage) << err3.str();
    EXPECT_NE(err3.str().find("cannot open the log file"), std::string::npos) << err3.str();

    // Nor is a run whose log cannot be written.
    o.action = Action::Send;
    o.argument = "RVN";
    o.logPath = "/dev/full";
    std::ostringstream out2, err2;
    EXPECT_EQ(runCtl(o, out2, err2), kExitUsage) << err2.str();
    EXPECT_NE(err2.str().find("cannot write the log file /dev/full"), std::string::npos) << err2.str();
}

// The log keeps what the link threw away: here the head of a line far longer
// than any answer, which never reaches the reply handling.
TEST(CtlLogTest, DroppedLinesAreLoggedToo) {
    test::SimProcess sim({"--garbage", "2"});
    QTemporaryDir dir;
    Options o;
    o.link = LinkKind::Serial;
    o.serialPath = sim.ptyPath();
    o.action = Action::ReadAll;
    o.argument = dir.filePath("out.dat").toStdString();
    o.logPath = dir.filePath("wire.log").toStdString();
    o.paced = true;
    o.timeoutMs = 400;
    std::ostringstream out, err;
    EXPECT_EQ(runCtl(o, out, err), kExitRefused) << err.str();
    std::istringstream log(readFile(o.logPath));
    int sent = 0, dropped = 0;
    for (std::string l; std::getline(log, l);) {
        const std::string mark = l.substr(23, 3);
        sent += mark == " > ";
        if (mark == " x " && l.find("(too long)") != std::string::npos) ++dropped;
    }
    EXPECT_EQ(sent, 2);
    EXPECT_EQ(dropped, 1) << readFile(o.logPath).substr(0, 2000);
}

// A damaged answer, an answer of another row and one that comes after its
// timeout are no answers: the request is asked again and the read-all ends
// exact. Without the repeat it ends as a failure that names what it did not
// read, and writes no document unless asked to keep the part it read.
TEST(CtlTruthTest, ReadAllIsExactOrSaysWhatItDidNotRead) {
    QTemporaryDir dir;
    const auto readAll = [&](std::vector<std::string> args, bool tcp, int retries, bool keep, std::string& err) {
        args.push_back("--single");
        if (tcp) args.insert(args.end(), {"--tcp-listen", "0"});
        test::SimProcess sim(args);
        Options o;
        o.product = Product::Single;
        o.paced = true;
        o.timeoutMs = 150;
        o.retries = retries;
        o.keepPartial = keep;
        if (tcp) {
            o.link = LinkKind::Tcp;
            o.host = "127.0.0.1";
            o.port = listenedPort(sim);
        } else {
            o.link = LinkKind::Serial;
            o.serialPath = sim.ptyPath();
        }
        o.action = Action::ReadAll;
        o.argument = dir.filePath("back.dat").toStdString();
        std::remove(o.argument.c_str());
        std::ostringstream out, e;
        const int rc = runCtl(o, out, e);
        err = e.str();
        return rc;
    };
    std::string err;
    ASSERT_EQ(readAll({}, false, 1, false, err), kExitOk) << err;
    const std::string back = dir.filePath("back.dat").toStdString();
    const std::string expected = readFile(back);

    struct Fault {
        std::vector<std::string> args;
        bool tcp;
    };
    const Fault faults[] = {
        {{"--garbage", "1"}, false},
        {{"--wrong-row-at", "3"}, true},
        {{"--late-at", "3", "--late-ms", "250"}, false},
        {{"--late-at", "3", "--late-ms", "250"}, true},
    };
    for (const Fault& f : faults) {
        EXPECT_EQ(readAll(f.args, f.tcp, 1, false, err), kExitOk) << f.args[0] << err;
        EXPECT_TRUE(readFile(back) == expected) << f.args[0];
        EXPECT_EQ(readAll(f.args, f.tcp, 0, false, err), kExitRefused) << f.args[0];
        EXPECT_NE(err.find("settings were not read."), std::string::npos) << err;
        EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(back))) << f.args[0];
    }
    EXPECT_EQ(readAll({"--garbage", "1"}, false, 0, true, err), kExitRefused);
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(back)));
}

TEST(CtlListenTest, AnAddressThatIsNoIpv4IsAUsageError) {
    Options o;
    o.link = LinkKind::Listen;
    o.host = "example";
    o.port = 0;
    o.action = Action::Send;
    o.argument = "RVN";
    std::ostringstream out, err;
    EXPECT_EQ(runCtl(o, out, err), kExitUsage);
    EXPECT_NE(err.str().find("--listen needs a dotted IPv4 address"), std::string::npos) << err.str();
}

}  // namespace
}  // namespace vrq::ctl
