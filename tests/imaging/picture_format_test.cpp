#include "imaging/picture_format.h"

#include <gtest/gtest.h>

using namespace montora;

TEST(PictureFormat, FindImageTypeTable)
{
    const std::pair<const char*, int> table[] = {
        {"bmp", 1}, {"jpg", 3}, {"jpeg", 3}, {"gif", 2}, {"png", 4}, {"ico", 5}, {"tiff", 6}, {"tif", 6},
        {"tga", 7}, {"pcx", 8}, {"wbmp", 9}, {"wmf", 10}, {"emf", 10}, {"jp2", 11}, {"j2k", 11}, {"jpc", 12},
        {"j2c", 12}, {"pgx", 13}, {"ras", 15}, {"pnm", 14}, {"pgm", 14}, {"ppm", 14}, {"xyz", 0}, {"", 0},
        {"JPG", 0}, // the lookup is on the lower-cased extension only
    };
    for (const auto& [extension, code] : table)
        EXPECT_EQ(PictureFormat::findImageType(extension), code) << extension;
}

TEST(PictureFormat, ExtensionIsTheTextAfterTheLastDot)
{
    EXPECT_EQ(PictureFormat::codeForPath("/photos/HOLIDAY.JPEG"), 3);
    EXPECT_EQ(PictureFormat::extensionOf("/a.b/c.tar.gz"), QStringLiteral("gz"));
    EXPECT_TRUE(PictureFormat::extensionOf("/a/noextension").isNull());
    EXPECT_TRUE(PictureFormat::isMetafile("x.Wmf"));
    EXPECT_TRUE(PictureFormat::isMetafile("x.EMF"));
    EXPECT_FALSE(PictureFormat::isMetafile("x.wmf.png"));
}

TEST(PictureFormat, PictureExtensionsInOrder)
{
    EXPECT_EQ(PictureFormat::pictureExtensions(),
              QStringList({".JPG", ".JPEG", ".GIF", ".BMP", ".TIFF", ".TIF", ".PNG", ".PNM", ".TGA", ".PCX", ".WMF",
                           ".EMF"}));
    EXPECT_TRUE(PictureFormat::isPictureFile("a.tga"));
    EXPECT_FALSE(PictureFormat::isPictureFile("a.ppm"));
}
