#include <gtest/gtest.h>

#include <set>

#include "model/document_diff.h"
#include "model/settings_file.h"
#include "protocol/bulk_runs.h"
#include "protocol/reply_dispatch.h"
#include "sim/sim_device.h"

namespace vrq::sim {
namespace {

// Every record marked with a value no device holds, then a whole read-all
// from a simulated device: what still holds the mark was never asked for, and
// it is exactly what the read-all's notice names.
TEST(ReadAllReach, WhatARunCannotAskForIsWhatItsNoticeNames) {
    for (const Product p : {Product::Multi, Product::Single}) {
        SimDevice device({p});
        auto c = makeConsole(p);
        const std::string doc = SettingsFile::serialize(*c);
        std::string marked;
        for (size_t i = 0, e; i < doc.size(); i = e + 2) {
            e = doc.find("\r\n", i);
            const std::string line = doc.substr(i, e - i);
            const bool number = !line.empty() && line.find_first_not_of("0123456789") == std::string::npos;
            marked += number ? "77\r\n" : "zz\r\n";
        }
        SettingsFile::deserialize(*c, marked);
        for (int s = 1; s <= readAllStepCount(p); ++s)
            dispatchReply(*c, device.handleLine(readAllRequest(p, s).text()), ReplyChannel::Serial);

        std::set<std::string> unasked;
        for (const Difference& d : compareDocuments(c->settings, makeConsole(p)->settings, p, 100000).items)
            if (d.a == "77" || d.a == "zz") unasked.insert(d.field);
        std::set<std::string> expected = {"clock display size", "display offset H", "display offset V", "subnet class",
                                          "connection try",     "keep alive",       "time register"};
        if (p == Product::Multi) expected.insert("display position");
        EXPECT_EQ(unasked, expected);
        const std::string names = readAllUnaskedSettings(p).japanese();
        EXPECT_EQ(names.find("表示位置") != std::string::npos, p == Product::Multi) << names;
    }
}

}  // namespace
}  // namespace vrq::sim
