// vrqctl export-titles and import-titles: files only, nothing written from a
// refused spreadsheet, and a document comes back with exactly its titles.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <sstream>
#include <sys/stat.h>

#include "ctl/ctl_documents.h"
#include "ctl/ctl_runner.h"
#include "model/settings_file.h"
#include "platform/files.h"

namespace vrq::ctl {
namespace {

int runArgs(const std::vector<std::string>& args, std::string* out = nullptr, std::string* err = nullptr) {
    const Parsed p = parseOptions(args);
    EXPECT_TRUE(p.options) << p.error;
    if (!p.options) return -1;
    std::ostringstream so, se;
    const int rc = runCtl(*p.options, so, se);
    if (out) *out = so.str();
    if (err) *err = se.str();
    return rc;
}

void writeFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

TEST(CtlTitleCsvTest, ExportImportAndEveryRefusal) {
    // English, as the whole test program runs (ctl_language_test.cpp).
    QTemporaryDir dir;
    const auto path = [&dir](const char* name) { return dir.filePath(name).toStdString(); };
    for (const Product p : {Product::Multi, Product::Single}) {
        const std::vector<std::string> model = p == Product::Single ? std::vector<std::string>{"--single"}
                                                                    : std::vector<std::string>{};
        const auto args = [&model](std::vector<std::string> rest) {
            rest.insert(rest.begin(), model.begin(), model.end());
            return rest;
        };
        auto rich = makeConsole(p);
        fillRichModel(*rich);
        ASSERT_TRUE(SettingsFile::save(*rich, path("rich.dat")));
        auto blank = makeConsole(p);
        ASSERT_TRUE(SettingsFile::save(*blank, path("blank.dat")));

        // Standard output and a file carry the same bytes.
        std::string csv, err;
        ASSERT_EQ(runArgs(args({"export-titles", path("rich.dat")}), &csv), kExitOk);
        ASSERT_EQ(runArgs(args({"export-titles", path("rich.dat"), path("rich.csv")})), kExitOk);
        EXPECT_EQ(readFile(path("rich.csv")), csv);

        // Into a blank document: the titles are the rich one's, the rest stays blank.
        std::string summary;
        ASSERT_EQ(runArgs(args({"import-titles", path("blank.dat"), path("rich.csv"), path("out.dat")}), &summary, &err),
                  kExitOk)
            << err;
        EXPECT_NE(summary.find("UTF-8 with byte-order mark"), std::string::npos) << summary;
        auto back = makeConsole(p);
        ASSERT_TRUE(SettingsFile::load(*back, path("out.dat")));
        EXPECT_TRUE(back->settings.titleText == rich->settings.titleText);
        EXPECT_TRUE(back->settings.singleTitleText == rich->settings.singleTitleText);
        EXPECT_TRUE(back->settings.lineBlink == blank->settings.lineBlink);

        // A refused row: exit 2, every problem named, nothing written.
        const std::string header = p == Product::Single ? "page,title\n" : "page,line,title\n";
        const std::string cells = p == Product::Single ? "513,a\n1,\xE2\x98\x83\n" : "513,1,a\n1,1,\xE2\x98\x83\n";
        writeFile(path("bad.csv"), header + cells);
        EXPECT_EQ(runArgs(args({"import-titles", path("blank.dat"), path("bad.csv"), path("never.dat")}), nullptr, &err),
                  kExitUsage);
        EXPECT_NE(err.find("bad.csv: row 2, column 1: page 513 is not 1..512\n"), std::string::npos) << err;
        EXPECT_NE(err.find("row 3, column " + std::string(p == Product::Single ? "2" : "3") +
                           ": '\xE2\x98\x83' (U+2603) has no Shift-JIS code\n"),
                  std::string::npos)
            << err;
        EXPECT_NE(err.find("2 problems; nothing written"), std::string::npos);
        EXPECT_TRUE(platform::fileIsMissing(path("never.dat")));
    }

    // Not a document, not a regular file, not the right number of arguments.
    writeFile(path("titles.csv"), "page,line,title\n1,1,a\n");
    writeFile(path("empty.dat"), "");
    EXPECT_EQ(runArgs({"import-titles", path("empty.dat"), path("titles.csv"), path("x.dat")}), kExitUsage);
    EXPECT_EQ(runArgs({"import-titles", path("blank.dat"), path("titles.csv"), path("x.dat")}), kExitUsage);  // other model
    EXPECT_TRUE(platform::fileIsMissing(path("x.dat")));
    EXPECT_EQ(runArgs({"export-titles", path("missing.dat")}), kExitUsage);
    ASSERT_EQ(mkfifo(path("fifo").c_str(), 0600), 0);
    std::string err;
    EXPECT_EQ(runArgs({"--single", "import-titles", path("blank.dat"), path("fifo"), path("x.dat")}, nullptr, &err), kExitUsage);
    EXPECT_NE(err.find("not a regular file"), std::string::npos) << err;
    writeFile(path("one.csv"), "page,title\n0,a\n");
    EXPECT_EQ(runArgs({"--single", "import-titles", path("blank.dat"), path("one.csv"), path("x.dat")}, nullptr, &err),
              kExitUsage);
    EXPECT_NE(err.find("one.csv: row 2, column 1: page 0 is not 1..512\nvrqctl: 1 problem; nothing written\n"),
              std::string::npos)
        << err;
    EXPECT_FALSE(parseOptions({"import-titles", "a.dat", "b.csv"}).options);
    EXPECT_FALSE(parseOptions({"export-titles", "a.dat", "b.csv", "c"}).options);
}

}  // namespace
}  // namespace vrq::ctl
