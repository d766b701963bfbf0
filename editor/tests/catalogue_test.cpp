#include "editor/catalogue.h"
#include "editor/number_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trevalo::editor {
namespace {

struct SpeedListCase {
    Model model;
    Unit unit;
    Mode mode;
    int count;
    std::vector<std::string> head;  // first items
    std::vector<std::string> tail;  // last items
};

void PrintTo(const SpeedListCase& c, std::ostream* os)
{
    *os << kModelNames[static_cast<int>(c.model)] << (c.unit == Unit::MPH ? " MPH " : " KPH ")
        << (c.mode == Mode::General ? "General" : "Silver");
}

class SpeedLists : public ::testing::TestWithParam<SpeedListCase> {};

TEST_P(SpeedLists, HoldTheCatalogueItemsInOrder)
{
    const SpeedListCase& c = GetParam();
    const ItemList& items = speed_items(c.model, c.unit, c.mode);
    ASSERT_EQ(static_cast<int>(items.size()), c.count);
    for (std::size_t i = 0; i < c.head.size(); ++i)
        EXPECT_EQ(items[i], c.head[i]) << "item " << i;
    for (std::size_t i = 0; i < c.tail.size(); ++i)
        EXPECT_EQ(items[items.size() - c.tail.size() + i], c.tail[i]);
    // Every item reads back exactly, and the values only rise.
    int previous = 0;
    for (const std::string& text : items) {
        const auto tenths = tenths_from_text(text);
        ASSERT_TRUE(tenths) << text;
        EXPECT_EQ(tenths_text(*tenths), text);
        EXPECT_GT(*tenths, previous);
        previous = *tenths;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, SpeedLists,
    ::testing::Values(
        SpeedListCase{Model::QM20, Unit::MPH, Mode::General, 31, {"0.2", "0.5", "1"}, {"14.5", "15"}},
        SpeedListCase{Model::QM5, Unit::MPH, Mode::General, 28, {"0.5", "1"}, {"13", "13.5", "13.8"}},
        SpeedListCase{Model::R300, Unit::MPH, Mode::General, 24, {"0.5", "1"}, {"11.5", "12"}},
        SpeedListCase{Model::QM20, Unit::MPH, Mode::Silver, 16, {"0.2", "0.5"}, {"7", "7.5"}},
        SpeedListCase{Model::QM5, Unit::MPH, Mode::Silver, 14, {"0.5"}, {"6.5", "6.9"}},
        SpeedListCase{Model::QM20, Unit::KPH, Mode::General, 49, {"0.3", "0.5"}, {"23.5", "24"}},
        SpeedListCase{Model::QM5, Unit::KPH, Mode::General, 44, {"0.8", "1", "1.5"}, {"22"}},
        SpeedListCase{Model::R300, Unit::KPH, Mode::General, 40, {"0.8", "1"}, {"19.5", "20"}},
        SpeedListCase{Model::QM20, Unit::KPH, Mode::Silver, 25, {"0.3", "0.5"}, {"12"}},
        SpeedListCase{Model::QM5, Unit::KPH, Mode::Silver, 22, {"0.8", "1"}, {"10.5", "11"}}));

TEST(NumberText, ReadsOnlyPlainDecimalTextWithAPoint)
{
    struct Case {
        const char* text;
        std::optional<int> tenths;
    };
    for (const Case& c : {Case{"13.8", 138}, Case{"0.3", 3}, Case{"24", 240}, Case{"6.9", 69},
                          Case{"1,5", std::nullopt}, Case{"", std::nullopt},
                          Case{" 5", std::nullopt}, Case{"5x", std::nullopt}})
        EXPECT_EQ(tenths_from_text(c.text), c.tenths) << '"' << c.text << '"';
}

}  // namespace
}  // namespace trevalo::editor
