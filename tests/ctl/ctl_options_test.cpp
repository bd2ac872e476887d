#include <gtest/gtest.h>

#include "ctl/ctl_options.h"

namespace vrq::ctl {
namespace {

Parsed parse(std::vector<std::string> args) { return parseOptions(args); }

TEST(CtlOptionsTest, LinksAndCommands) {
    Parsed p = parse({"--serial", "/dev/pts/3", "--rs485", "05", "--paced", "send-all", "a.dat"});
    ASSERT_TRUE(p.options) << p.error;
    EXPECT_EQ(p.options->link, LinkKind::Serial);
    EXPECT_EQ(p.options->serialPath, "/dev/pts/3");
    EXPECT_EQ(p.options->rs485, 5);
    EXPECT_TRUE(p.options->paced);
    EXPECT_EQ(p.options->action, Action::SendAll);
    EXPECT_EQ(p.options->argument, "a.dat");

    p = parse({"--single", "--tcp", "10.0.0.5:10001", "--period", "50", "read-all", "b.dat"});
    ASSERT_TRUE(p.options) << p.error;
    EXPECT_EQ(p.options->product, Product::Single);
    EXPECT_EQ(p.options->host, "10.0.0.5");
    EXPECT_EQ(p.options->port, 10001);
    EXPECT_EQ(p.options->periodMs, 50);

    p = parse({"--tcp", "127.0.0.1", "send", "RVN"});
    ASSERT_TRUE(p.options);
    EXPECT_EQ(p.options->port, 9004);

    p = parse({"--listen", "9100", "--rs485", "FF", "send", "X"});
    EXPECT_FALSE(p.options);  // an address needs a serial line

    p = parse({"--serial", "/dev/x", "--rs485", "FF", "send", "CBS001L01ON"});
    ASSERT_TRUE(p.options);
    EXPECT_EQ(p.options->rs485, 32);
}

TEST(CtlOptionsTest, BadUsageGivesAReason) {
    EXPECT_EQ(parse({}).error, "no command given");
    EXPECT_FALSE(parse({"send", "X"}).options);                        // no link
    EXPECT_FALSE(parse({"--serial", "/x", "send"}).options);           // no line
    EXPECT_FALSE(parse({"--serial", "/x", "frob", "y"}).options);      // unknown command
    EXPECT_FALSE(parse({"--serial", "/x", "--rs485", "32", "send", "y"}).options);
    EXPECT_FALSE(parse({"--serial", "/x", "--rs485", "5", "send", "y"}).options);  // two digits
    EXPECT_FALSE(parse({"--tcp", "h:99999", "send", "y"}).options);
    EXPECT_FALSE(parse({"--serial", "/x", "--bogus", "send", "y"}).options);
    EXPECT_EQ(parse({"--help"}).options->action, Action::Help);
    EXPECT_EQ(parse({"--version"}).options->action, Action::Version);
    EXPECT_EQ(parse({"--serial", "/x", "--bogus", "send", "y"}).error, "unknown option 'bogus'");
    EXPECT_EQ(parse({"--serial"}).error, "missing value after '--serial'");
}

// As in every Qt tool: a value may be joined with '='; after the command,
// everything is the command's.
TEST(CtlOptionsTest, JoinedValuesAndArgumentsAfterTheCommand) {
    Parsed p = parse({"--tcp=10.0.0.5:10001", "--timeout=500", "send", "--odd"});
    ASSERT_TRUE(p.options) << p.error;
    EXPECT_EQ(p.options->port, 10001);
    EXPECT_EQ(p.options->timeoutMs, 500);
    EXPECT_EQ(p.options->argument, "--odd");
}

TEST(CtlOptionsTest, RetriesAndKeepPartial) {
    Parsed p = parse({"--tcp", "h", "read-all", "a.dat"});
    ASSERT_TRUE(p.options) << p.error;
    EXPECT_EQ(p.options->retries, 1);
    EXPECT_FALSE(p.options->keepPartial);

    p = parse({"--tcp", "h", "--retries=0", "--keep-partial", "read-all", "a.dat"});
    ASSERT_TRUE(p.options) << p.error;
    EXPECT_EQ(p.options->retries, 0);
    EXPECT_TRUE(p.options->keepPartial);
    EXPECT_EQ(parse({"--tcp", "h", "--retries", "9", "send", "RVN"}).options->retries, 9);

    for (const char* bad : {"10", "-1", "x", ""})
        EXPECT_EQ(parse({"--tcp", "h", "--retries", bad, "send", "RVN"}).error, "--retries needs a count 0..9") << bad;
}

TEST(CtlOptionsTest, ManyDevices) {
    Parsed p = parse({"--tcp", "10.0.0.5", "--serial", "/dev/ttyUSB0", "--rs485", "05,06", "--tcp", "10.0.0.6:9100",
                      "--serial", "/dev/ttyS1", "read-all", "backup"});
    ASSERT_TRUE(p.options) << p.error;
    const std::vector<Device> d = devicesOf(*p.options);
    ASSERT_EQ(d.size(), 5u);
    EXPECT_EQ(d[0].host, "10.0.0.5");
    EXPECT_EQ(d[1].rs485, 5);
    EXPECT_EQ(d[2].rs485, 6);
    EXPECT_EQ(d[2].serialPath, "/dev/ttyUSB0");
    EXPECT_EQ(d[3].port, 9100);
    EXPECT_EQ(d[4].rs485, -1);
    EXPECT_TRUE(manyDevices(*p.options));

    p = parse({"--listen", "9100", "--devices", "96", "--wait", "5", "--json", "verify", "a.dat"});
    ASSERT_TRUE(p.options) << p.error;
    EXPECT_EQ(p.options->listenDevices, 96);
    EXPECT_EQ(p.options->waitS, 5);
    EXPECT_TRUE(p.options->json);

    p = parse({"diff", "a.dat", "b.dat"});  // offline: no link
    ASSERT_TRUE(p.options) << p.error;
    EXPECT_EQ(p.options->argument2, "b.dat");

    EXPECT_FALSE(parse({"--tcp", "h", "--tcp", "h", "read-all", "d"}).options);  // named twice
    // ... also under other names for the same device
    const Parsed twice = parse({"--tcp", "127.0.0.1:9100", "--tcp", "localhost:9100", "read-all", "d"});
    EXPECT_FALSE(twice.options);
    EXPECT_NE(twice.error.find("named twice"), std::string::npos) << twice.error;
    EXPECT_FALSE(parse({"--tcp", "127.0.0.1:9100", "--tcp", "127.000.0.01:9100", "read-all", "d"}).options);
    EXPECT_FALSE(parse({"--serial", "/dev/../dev/null", "--serial", "/dev/null", "read-all", "d"}).options);
    EXPECT_TRUE(parse({"--tcp", "127.0.0.1:9100", "--tcp", "localhost:9101", "read-all", "d"}).options);
    EXPECT_FALSE(parse({"--tcp", "h", "--tcp", "i", "send", "RVN"}).options);
    EXPECT_FALSE(parse({"--serial", "/x", "--rs485", "05,FF", "read-all", "d"}).options);
    EXPECT_FALSE(parse({"--serial", "/x", "--rs485", "05,", "read-all", "d"}).options);
    EXPECT_FALSE(parse({"--tcp", "h", "--devices", "3", "read-all", "d"}).options);
    EXPECT_FALSE(parse({"--listen", "1", "--devices", "97", "read-all", "d"}).options);
    EXPECT_FALSE(parse({"--listen", "1", "--tcp", "h", "read-all", "d"}).options);
}

}  // namespace
}  // namespace vrq::ctl
