#include "controls_model/colour_table.h"

#include <gtest/gtest.h>

#include <QSet>

namespace montora {
namespace {

TEST(ColourTableTest, GridOrderNamesAndValues)
{
    struct Expected {
        int index;
        const char* name;
        ColorRef colour;
    };
    for (const Expected& e : {Expected{0, "Black", 0x000000}, Expected{1, "Brown", 0x002AA5},
                              Expected{9, "Orange", 0x2068FF}, Expected{13, "Blue", 0xFF0000},
                              Expected{20, "Aqua", 0xD4FF7F}, Expected{35, "Pale green ", 0x98FB98},
                              Expected{39, "White", 0xFFFFFF}}) {
        EXPECT_EQ(ColourTable::name(e.index), QString::fromLatin1(e.name)) << e.index;
        EXPECT_EQ(ColourTable::colour(e.index), e.colour) << e.index;
    }
    QSet<QString> names;
    for (int i = 0; i < ColourTable::kCount; ++i)
        names.insert(ColourTable::name(i));
    EXPECT_EQ(names.size(), 40);
    EXPECT_EQ(ColourTable::kRows, 5);
    EXPECT_TRUE(ColourTable::name(40).isEmpty());
    EXPECT_TRUE(ColourTable::name(-1).isEmpty());
}

TEST(ColourTableTest, IndexOfFindsTableColoursOnly)
{
    EXPECT_EQ(ColourTable::indexOf(ColourTable::fromRgb(255, 104, 32)), 9);
    EXPECT_EQ(ColourTable::indexOf(0xFFFFFF), 39);
    EXPECT_EQ(ColourTable::indexOf(ColourTable::fromRgb(1, 2, 3)), -1);
    // The default value is not black, whatever a COLORREF reader makes of it.
    EXPECT_EQ(ColourTable::indexOf(ColourTable::kDefaultColour), -1);
}

TEST(ColourTableTest, ConversionsUseTheLowThreeBytes)
{
    EXPECT_EQ(ColourTable::toQColor(ColourTable::kDefaultColour), QColor(0, 0, 0));
    EXPECT_EQ(ColourTable::toQColor(0x00336699), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(ColourTable::fromQColor(QColor(0x99, 0x66, 0x33)), 0x00336699u);
}

} // namespace
} // namespace montora
