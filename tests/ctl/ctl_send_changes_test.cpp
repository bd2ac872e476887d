// vrqctl send-changes against the simulated device over a pseudo-terminal: a
// device that held the base and got only the changed steps holds what a full
// send-all of the new document gives, and nothing else went on the line.

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sstream>

#include "ctl/ctl_documents.h"
#include "ctl/ctl_runner.h"
#include "model/settings_file.h"
#include "protocol/bulk_runs.h"
#include "protocol/send_changes.h"

namespace vrq::ctl {
namespace {

// Three titles on three pages, and a blink.
void editThreeTitles(Console& c) {
    SettingsModel& s = c.settings;
    for (const int page : {2, 99, 400}) {
        if (c.single())
            setCell(s.singleTitleText[page], "\x82\xa9\x82\xab");  // かき
        else
            setCell(s.titleText[page][1], "\x82\xa9\x82\xab");
    }
    s.lineBlink[300][0] = !s.lineBlink[300][0];
}

Options serialTo(const test::SimProcess& sim, Product p) {
    Options o;
    o.product = p;
    o.paced = true;
    o.link = LinkKind::Serial;
    o.serialPath = sim.ptyPath();
    return o;
}

class CtlSendChangesTest : public ::testing::TestWithParam<Product> {};

TEST_P(CtlSendChangesTest, OnlyTheChangedStepsGoAndTheDeviceEqualsAFullSend) {
    const Product p = GetParam();
    QTemporaryDir dir;
    const std::string basePath = dir.filePath("base.dat").toStdString();
    const std::string newPath = dir.filePath("new.dat").toStdString();
    const std::string record = dir.filePath("record").toStdString();
    auto base = makeConsole(p);
    fillRichModel(*base);
    auto now = makeConsole(p);
    fillRichModel(*now);
    editThreeTitles(*now);
    ASSERT_TRUE(SettingsFile::save(*base, basePath));
    ASSERT_TRUE(SettingsFile::save(*now, newPath));

    std::vector<std::string> simArgs = {"--record", record};
    if (p == Product::Single) simArgs.push_back("--single");
    test::SimProcess sim(simArgs);
    Options o = serialTo(sim, p);
    std::ostringstream out, err;
    o.action = Action::SendAll;
    o.argument = basePath;
    ASSERT_EQ(runCtl(o, out, err), kExitOk) << err.str();
    const std::size_t before = readFile(record).size();

    o.action = Action::SendChanges;
    o.argument = newPath;
    o.basePath = basePath;
    ASSERT_EQ(runCtl(o, out, err), kExitOk) << err.str();
    std::string expected;
    for (const ChangeStep& c : sendChangesSteps(base->settings, now->settings, p))
        expected += buildSendAllStep(now->settings, p, c.step).line->text();
    EXPECT_EQ(changedCount(sendChangesSteps(base->settings, now->settings, p)), 4);
    EXPECT_TRUE(readFile(record).substr(before) == expected);

    o.action = Action::ReadAll;
    o.argument = dir.filePath("back.dat").toStdString();
    ASSERT_EQ(runCtl(o, out, err), kExitOk) << err.str();
    titlesAsReadBack(*now);
    EXPECT_TRUE(readFile(o.argument) == SettingsFile::serialize(*now));

    // Read back what went out: the same steps again, then one read request each.
    const std::size_t sent = readFile(record).size();
    o.action = Action::SendChanges;
    o.argument = newPath;
    o.verify = true;
    std::ostringstream vout, verr;
    EXPECT_EQ(runCtl(o, vout, verr), kExitOk) << vout.str() << verr.str();
    const std::string lines = readFile(record).substr(sent);
    EXPECT_NE(lines.find("RCA401\r\n"), std::string::npos);
    EXPECT_EQ(lines.find("RCA402\r\n"), std::string::npos);
    EXPECT_NE(lines.find(p == Product::Single ? "RCBS\r\n" : "RCBS301\r\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(BothModels, CtlSendChangesTest, ::testing::Values(Product::Multi, Product::Single),
                         [](const auto& info) { return info.param == Product::Multi ? "Multi" : "Single"; });

// A refused step ends the run as send-all's would: a failure that names what
// was not sent, and no read-back.
TEST(CtlSendChangesTest, ARefusedStepFailsAndNamesWhatWasNotSent) {
    QTemporaryDir dir;
    const std::string basePath = dir.filePath("base.dat").toStdString();
    const std::string newPath = dir.filePath("new.dat").toStdString();
    ASSERT_TRUE(SettingsFile::save(*makeConsole(Product::Single), basePath));
    auto now = makeConsole(Product::Single);
    editThreeTitles(*now);
    ASSERT_TRUE(SettingsFile::save(*now, newPath));
    test::SimProcess sim({"--single", "--error-at", "2"});
    Options o = serialTo(sim, Product::Single);
    o.action = Action::SendChanges;
    o.argument = newPath;
    o.basePath = basePath;
    o.verify = true;
    std::ostringstream out, err;
    EXPECT_EQ(runCtl(o, out, err), kExitRefused);
    EXPECT_NE(err.str().find("send-changes stopped: the device refused a command"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("titles of page 100 (refused by the device)"), std::string::npos) << err.str();
    EXPECT_EQ(err.str().find("verify"), std::string::npos) << err.str();
}

// Several devices: each gets the same steps, as with send-all.
TEST(CtlSendChangesTest, EveryDeviceGetsTheChanges) {
    QTemporaryDir dir;
    const std::string basePath = dir.filePath("base.dat").toStdString();
    const std::string newPath = dir.filePath("new.dat").toStdString();
    const std::string record = dir.filePath("record").toStdString();
    auto base = makeConsole(Product::Single);
    ASSERT_TRUE(SettingsFile::save(*base, basePath));
    auto now = makeConsole(Product::Single);
    editThreeTitles(*now);
    ASSERT_TRUE(SettingsFile::save(*now, newPath));
    test::SimProcess sim({"--single", "--rs485", "05,06", "--record", record});
    const Parsed parsed = parseOptions({"--single", "--paced", "--serial", sim.ptyPath(), "--rs485", "05,06",
                                        "send-changes", newPath, "--from", basePath});
    ASSERT_TRUE(parsed.options) << parsed.error;
    std::ostringstream out, err;
    ASSERT_EQ(runCtl(*parsed.options, out, err), kExitOk) << err.str();
    std::string expected;
    for (const char* address : {"05", "06"})
        for (const ChangeStep& c : sendChangesSteps(base->settings, now->settings, Product::Single))
            expected += address + buildSendAllStep(now->settings, Product::Single, c.step).line->text();
    EXPECT_TRUE(readFile(record) == expected);
    EXPECT_NE(out.str().find("ok"), std::string::npos) << out.str();
}

TEST(CtlSendChangesDryRunTest, ListsTheStepsAndSendsNothing) {
    QTemporaryDir dir;
    const std::string basePath = dir.filePath("base.dat").toStdString();
    const std::string newPath = dir.filePath("new.dat").toStdString();
    auto base = makeConsole(Product::Multi);
    ASSERT_TRUE(SettingsFile::save(*base, basePath));
    auto now = makeConsole(Product::Multi);
    setCell(now->settings.titleText[4][2], "\x82\xa0");
    now->settings.alarmMode = 1;
    ASSERT_TRUE(SettingsFile::save(*now, newPath));

    const Parsed parsed = parseOptions({"send-changes", newPath, "--from", basePath, "--dry-run"});
    ASSERT_TRUE(parsed.options) << parsed.error;  // no link needed
    std::ostringstream out, err;
    EXPECT_EQ(runCtl(*parsed.options, out, err), kExitOk) << err.str();
    EXPECT_EQ(out.str(),
              "7 steps to send, 2 changed:\n"
              "  titles of page 005\n"
              "  character and edge colours of page 005 (with the titles)\n"
              "  blink of page 005 (with the titles)\n"
              "  character size of page 005 (with the titles)\n"
              "  background fill of page 005 (with the titles)\n"
              "  line spacing of page 005 (with the titles)\n"
              "  alarm mode\n"
              "settings that differ:\n"
              "  page 5 line 3 title: base \"\", new \"\xe3\x81\x82\"\n"
              "  alarm mode: base 0, new 1\n");

    std::ostringstream same;
    Options o = *parsed.options;
    o.argument = basePath;
    EXPECT_EQ(runCtl(o, same, err), kExitOk);
    EXPECT_EQ(same.str(), "nothing to send: the documents are the same in every setting send-all sends\n");
    o.basePath = dir.filePath("missing.dat").toStdString();
    EXPECT_EQ(runCtl(o, same, err), kExitUsage);
}

TEST(CtlSendChangesOptionsTest, TheBaseIsNeededAndTheOptionsAreItsOwn) {
    const std::pair<std::vector<std::string>, const char*> refused[] = {
        {{"--serial", "/dev/null", "send-changes", "new.dat"}, "send-changes needs --from BASE.dat"},
        {{"--serial", "/dev/null", "--from", "a.dat", "send-all", "new.dat"}, "--from needs send-changes"},
        {{"--serial", "/dev/null", "--verify", "send-all", "new.dat"}, "--verify needs send-changes"},
        {{"--dry-run", "diff", "a.dat", "b.dat"}, "--dry-run needs send-changes"},
        {{"--from", "a.dat", "--dry-run", "--verify", "send-changes", "b.dat"}, "--dry-run sends nothing to verify"},
        {{"--from", "a.dat", "send-changes", "b.dat"}, "no link given"},
    };
    for (const auto& [args, why] : refused) {
        const Parsed p = parseOptions(args);
        EXPECT_FALSE(p.options) << why;
        EXPECT_NE(p.error.find(why), std::string::npos) << p.error;
    }
    const Parsed ok = parseOptions({"--serial", "/dev/ttyS0", "--from=a.dat", "--verify", "send-changes", "b.dat"});
    ASSERT_TRUE(ok.options) << ok.error;
    EXPECT_EQ(ok.options->action, Action::SendChanges);
    EXPECT_EQ(ok.options->basePath, "a.dat");
    EXPECT_TRUE(ok.options->verify);
    // A broadcast takes the changes but answers no read-back.
    const Parsed ff = parseOptions({"--serial", "/dev/ttyS0", "--rs485", "FF", "--from", "a.dat", "--verify",
                                    "send-changes", "b.dat"});
    ASSERT_TRUE(ff.options);
    EXPECT_NE(broadcastProblem(*ff.options).find("--verify needs one slave address"), std::string::npos);
}

}  // namespace
}  // namespace vrq::ctl
