#include "tools/new_collage_form.h"

#include <gtest/gtest.h>

namespace montora {
namespace {

using Control = NewCollageForm::Control;

TEST(NewCollageFormTest, SizeMustBeAnIntegerFromTenTo3200)
{
    EXPECT_EQ(NewCollageForm::parseSize(QStringLiteral("10")).valueOr(-1), 10);
    EXPECT_EQ(NewCollageForm::parseSize(QStringLiteral("3200")).valueOr(-1), 3200);
    EXPECT_EQ(NewCollageForm::parseSize(QStringLiteral(" 640 ")).valueOr(-1), 640);
    for (const char* bad : {"9", "3201", "0", "-10", "", "abc", "12abc", "1e3", "99999999999"}) {
        const Result<int> size = NewCollageForm::parseSize(QString::fromLatin1(bad));
        ASSERT_FALSE(size.isOk()) << bad;
        EXPECT_EQ(size.message(), QStringLiteral("Please enter an integer between 10 and 3200.")) << bad;
    }
}

TEST(NewCollageFormTest, PictureFilterText)
{
    EXPECT_EQ(NewCollageForm::pictureFilter(),
              QStringLiteral("(*.jpg;*jpeg;*gif;*.bmp;*.png)|*.jpg;*.jpeg;*.gif;*.bmp;*.png;"
                             "\t\t(*.jpg)|*.jpg|\t\t(*.jpeg)|*.jpeg|\t\t(*.gif)|*.gif|"
                             "\t\t(*.bmp)|*.bmp|\t\t(*.png)|*.png||"));
}

TEST(NewCollageFormTest, PicturePathMustFitItsField)
{
    EXPECT_TRUE(NewCollageForm::checkPicturePath(QString()).isOk());
    EXPECT_TRUE(NewCollageForm::checkPicturePath(QString(259, QLatin1Char('a'))).isOk());
    EXPECT_FALSE(NewCollageForm::checkPicturePath(QString(260, QLatin1Char('a'))).isOk());
    // Counted in UTF-8 bytes: 130 two-byte letters are 260 bytes.
    EXPECT_FALSE(NewCollageForm::checkPicturePath(QString(130, QChar(0x00E9))).isOk());
}

TEST(NewCollageFormTest, CaptionDefaultsToNewCollage)
{
    EXPECT_EQ(NewCollageForm::captionOrDefault(QString()), QStringLiteral("Create New Collage"));
    EXPECT_EQ(NewCollageForm::captionOrDefault(QStringLiteral("Collage Setting")), QStringLiteral("Collage Setting"));
}

TEST(NewCollageFormTest, ControlsHangOffTheRightEdge)
{
    const QSize client = NewCollageForm::clientSize();
    EXPECT_EQ(client, QSize(428, 164));
    const int w = client.width() - 20;
    EXPECT_EQ(NewCollageForm::controlRect(Control::Colour), QRect(w - 145, 35, 145, 18));
    EXPECT_EQ(NewCollageForm::controlRect(Control::Path), QRect(w - 145, 69, 125, 18));
    EXPECT_EQ(NewCollageForm::controlRect(Control::Browse), QRect(w - 20, 68, 20, 20));
    EXPECT_EQ(NewCollageForm::controlRect(Control::Tile), QRect(w - 160, 102, 80, 20));
    EXPECT_EQ(NewCollageForm::controlRect(Control::Ok), QRect(428 - 370, 164 - 30, 65, 21));
    EXPECT_EQ(NewCollageForm::controlRect(Control::Cancel), QRect(428 - 140, 164 - 30, 65, 21));
    EXPECT_EQ(NewCollageForm::controlRect(Control::Close), QRect(428 - 43, 8, 24, 14));
    // The edit boxes are 20 x 12 dialog units at (40, 21) and (40, 42).
    EXPECT_EQ(NewCollageForm::controlRect(Control::Width), QRect(60, 34, 30, 20));
    EXPECT_EQ(NewCollageForm::controlRect(Control::Height), QRect(60, 68, 30, 20));
    EXPECT_EQ(NewCollageForm::colourLabelRect().topLeft(), QPoint(w - 245, 38));
}

} // namespace
} // namespace montora
