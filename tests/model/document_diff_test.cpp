#include <gtest/gtest.h>

#include "model/console.h"
#include "model/document_diff.h"
#include "model/text_cell.h"

namespace vrq {
namespace {

TEST(DocumentDiffTest, TitleScheduleAndConnectorInTheOperatorsTerms) {
    auto a = makeConsole(Product::Multi);
    auto b = makeConsole(Product::Multi);
    EXPECT_EQ(compareDocuments(a->settings, b->settings, Product::Multi).total, 0u);

    setCell(b->settings.titleText[11][2], "\x82\xa0");  // page 12 line 3
    b->settings.schedulePage[4][6] = kSchedulePas;     // day 5 entry 7
    b->settings.connectorAssign[1] = 99;               // connector 2 shows page 100
    const DocumentDiff d = compareDocuments(a->settings, b->settings, Product::Multi);
    ASSERT_EQ(d.total, 3u);
    EXPECT_EQ(d.items[0].place(), "page 12 line 3");
    EXPECT_EQ(d.items[0].field, "title");
    EXPECT_TRUE(d.items[0].text);
    EXPECT_EQ(d.items[0].b, "\x82\xa0");
    EXPECT_EQ(d.items[1].place(), "day 5 entry 7");
    EXPECT_EQ(d.items[1].field, "schedule page");
    EXPECT_EQ(d.items[1].a, "none");
    EXPECT_EQ(d.items[1].b, "PAS");
    EXPECT_EQ(d.items[2].place(), "connector 2");
    EXPECT_EQ(d.items[2].b, "100");

    // The single-line model has one title and one line a page; the limit bounds what is kept.
    auto s = makeConsole(Product::Single);
    auto t = makeConsole(Product::Single);
    for (int p = 0; p < kPages; ++p) t->settings.lineBlink[p][0] = 1;
    t->settings.lineBlink[0][5] = 1;  // no line 6 on this model
    const DocumentDiff many = compareDocuments(s->settings, t->settings, Product::Single, 10);
    EXPECT_EQ(many.total, static_cast<std::size_t>(kPages));
    EXPECT_EQ(many.items.size(), 10u);
    EXPECT_EQ(many.items[0].place(), "page 1");
}

}  // namespace
}  // namespace vrq
