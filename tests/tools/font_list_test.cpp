#include "tools/font_list.h"

#include <gtest/gtest.h>

namespace montora {
namespace {

TEST(FontListTest, RuleDropsVerticalAharoniUnloadableAndOverlongFaces)
{
    const QStringList families = {"zeta Sans", "@Vertical", "Aharoni", "Alpha", QString(32, 'L'), "Broken",
                                  "beta",      "Alpha",     ""};
    const QStringList faces = FontList::offered(families, [](const QString& face) { return face != "Broken"; });
    EXPECT_EQ(faces, QStringList({"Alpha", "beta", "zeta Sans"}));
}

TEST(FontListTest, InstalledFacesAreOfferedSorted)
{
    QStringList faces = FontList::faces();
    EXPECT_TRUE(faces.contains("Liberation Sans"));
    EXPECT_TRUE(faces.contains("DejaVu Sans"));
    // The substituted names are not installed faces.
    EXPECT_FALSE(faces.contains("Microsoft Sans Serif"));
    // Families of several foundries are offered once, by their family name alone.
    EXPECT_EQ(faces.filter(QStringLiteral("[")), QStringList());
    EXPECT_EQ(faces.removeDuplicates(), 0);
    for (qsizetype i = 1; i < faces.size(); ++i)
        EXPECT_LE(faces[i - 1].compare(faces[i], Qt::CaseInsensitive), 0);
    EXPECT_FALSE(FontList::isLoadable("No Such Face Anywhere"));
}

} // namespace
} // namespace montora
