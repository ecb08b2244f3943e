// The cut of the names under the photo library's thumbnails.
#include "tools/photo_name_text.h"

#include <gtest/gtest.h>

using namespace montora;

TEST(PhotoNameText, CutsByTheWidthOfT)
{
    EXPECT_EQ(PhotoNameText::fit(56, 7), 8);
    EXPECT_EQ(PhotoNameText::fit(56, 0), 0);
    EXPECT_EQ(PhotoNameText::cut("abcd.jpg", 8), "abcd.jpg");
    EXPECT_EQ(PhotoNameText::cut("holiday.jpg", 8), "holi... ");
    EXPECT_EQ(PhotoNameText::cut("a.b", 2), "...");
    EXPECT_EQ(PhotoNameText::cut("abcd", 3), "... ");  // nothing of it fits beside the dots
    EXPECT_EQ(PhotoNameText::cut("x.png", 0), "... ");
    // A character outside the basic plane is never split by the cut.
    const QString smile = QString::fromUtf8("ab\xF0\x9F\x98\x80" "cdefgh.jpg");
    EXPECT_EQ(PhotoNameText::cut(smile, 7), "ab... ");
    EXPECT_EQ(PhotoNameText::cut(smile, 8), QString::fromUtf8("ab\xF0\x9F\x98\x80... "));
}
