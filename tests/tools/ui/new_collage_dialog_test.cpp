#include "tools/ui/new_collage_dialog.h"

#include "controls/c_fac_colour_picker.h"
#include "controls/c_fac_colour_popup.h"
#include "controls/skin_button.h"
#include "controls/skin_radio_button.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace montora {
namespace {

const QString kRangePrompt = QStringLiteral("Please enter an integer between 10 and 3200.");

class NewCollageDialogTest : public testing::Test {
protected:
    void show(const CanvasSettings& settings = CanvasSettings(), const QString& caption = QString())
    {
        m_dialog.setCaption(caption);
        m_dialog.setSettings(settings);
        m_dialog.show();
        m_dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_dialog));
    }

    // Replaces the text of an edit box the way a person does: select all, type.
    static void retype(QLineEdit* edit, const QString& text)
    {
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }

    void pressOk() { QTest::mouseClick(m_dialog.okButton(), Qt::LeftButton); }
    bool accepted() const { return !m_dialog.isVisible() && m_dialog.result() == QDialog::Accepted; }

    test::ScriptedPrompter m_prompter;
    NewCollageDialog m_dialog{m_prompter};
};

TEST_F(NewCollageDialogTest, OpensOnTheDefaults)
{
    show();
    EXPECT_EQ(m_dialog.caption(), QStringLiteral("Create New Collage"));
    EXPECT_EQ(m_dialog.widthEdit()->text(), QStringLiteral("1024"));
    EXPECT_EQ(m_dialog.heightEdit()->text(), QStringLiteral("768"));
    EXPECT_EQ(m_dialog.colourButton()->colour(), 0xFFFFFFu);
    EXPECT_TRUE(m_dialog.pathEdit()->text().isEmpty());
    EXPECT_TRUE(m_dialog.modeButton(0)->isOn());
    EXPECT_FALSE(m_dialog.modeButton(1)->isOn());
    EXPECT_FALSE(m_dialog.modeButton(2)->isOn());
    pressOk();
    ASSERT_TRUE(accepted());
    EXPECT_EQ(m_dialog.settings(), CanvasSettings());
}

TEST_F(NewCollageDialogTest, WidthNineIsRefusedAndFocused)
{
    show();
    retype(m_dialog.widthEdit(), QStringLiteral("9"));
    pressOk();
    EXPECT_TRUE(m_dialog.isVisible());
    EXPECT_EQ(m_prompter.messages(), QStringList{kRangePrompt});
    EXPECT_EQ(m_prompter.asked[0].caption, QStringLiteral("Montora Studio"));
    EXPECT_EQ(QApplication::focusWidget(), m_dialog.widthEdit());
    EXPECT_EQ(m_dialog.widthEdit()->selectedText(), QStringLiteral("9"));
}

TEST_F(NewCollageDialogTest, Height3201AndNonNumericAreRefusedAndFocused)
{
    show();
    retype(m_dialog.heightEdit(), QStringLiteral("3201"));
    m_dialog.widthEdit()->setFocus();
    pressOk();
    EXPECT_TRUE(m_dialog.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), m_dialog.heightEdit());

    retype(m_dialog.heightEdit(), QStringLiteral("600"));
    retype(m_dialog.widthEdit(), QStringLiteral("wide"));
    pressOk();
    EXPECT_TRUE(m_dialog.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), m_dialog.widthEdit());
    EXPECT_EQ(m_prompter.messages(), (QStringList{kRangePrompt, kRangePrompt}));
}

TEST_F(NewCollageDialogTest, TenAnd3200AreAccepted)
{
    show();
    retype(m_dialog.widthEdit(), QStringLiteral("10"));
    retype(m_dialog.heightEdit(), QStringLiteral("3200"));
    pressOk();
    ASSERT_TRUE(accepted());
    EXPECT_TRUE(m_prompter.asked.isEmpty());
    EXPECT_EQ(m_dialog.settings().width, 10);
    EXPECT_EQ(m_dialog.settings().height, 3200);
}

TEST_F(NewCollageDialogTest, CollageSettingOnATiledCollageShowsTileOn)
{
    CanvasSettings tiled;
    tiled.width = 800;
    tiled.height = 600;
    tiled.pictureMode = CanvasSettings::Tile;
    tiled.backgroundColour = 0x00336699;
    tiled.picturePath = QStringLiteral("/pictures/tile.png");
    show(tiled, QStringLiteral("Collage Setting"));
    EXPECT_EQ(m_dialog.caption(), QStringLiteral("Collage Setting"));
    EXPECT_FALSE(m_dialog.modeButton(0)->isOn());
    EXPECT_TRUE(m_dialog.modeButton(1)->isOn());
    EXPECT_FALSE(m_dialog.modeButton(2)->isOn());
    EXPECT_EQ(m_dialog.widthEdit()->text(), QStringLiteral("800"));
    EXPECT_EQ(m_dialog.colourButton()->colour(), 0x00336699u);
    EXPECT_EQ(m_dialog.pathEdit()->text(), tiled.picturePath);
    pressOk();
    ASSERT_TRUE(accepted());
    EXPECT_EQ(m_dialog.settings(), tiled);
}

TEST_F(NewCollageDialogTest, ModeButtonsKeepExactlyOneOn)
{
    show();
    QTest::mouseClick(m_dialog.modeButton(2), Qt::LeftButton);
    EXPECT_FALSE(m_dialog.modeButton(0)->isOn());
    EXPECT_FALSE(m_dialog.modeButton(1)->isOn());
    EXPECT_TRUE(m_dialog.modeButton(2)->isOn());
    QTest::mouseClick(m_dialog.modeButton(2), Qt::LeftButton);
    EXPECT_TRUE(m_dialog.modeButton(2)->isOn());
    pressOk();
    ASSERT_TRUE(accepted());
    EXPECT_EQ(m_dialog.settings().pictureMode, CanvasSettings::Stretch);
}

TEST_F(NewCollageDialogTest, ClearingThePathBoxGivesNoPicture)
{
    CanvasSettings settings;
    settings.picturePath = QStringLiteral("/pictures/old.jpg");
    show(settings);
    retype(m_dialog.pathEdit(), QString());
    pressOk();
    ASSERT_TRUE(accepted());
    EXPECT_TRUE(m_dialog.settings().picturePath.isEmpty());
}

TEST_F(NewCollageDialogTest, BrowsePutsTheChosenPictureInThePathBox)
{
    show();
    m_prompter.openFileAnswers = {{QStringLiteral("/pictures/sky.png")}, {}};
    QTest::mouseClick(m_dialog.browseButton(), Qt::LeftButton);
    EXPECT_EQ(m_dialog.pathEdit()->text(), QStringLiteral("/pictures/sky.png"));
    ASSERT_EQ(m_prompter.asked.size(), 1);
    EXPECT_EQ(m_prompter.asked[0].text, NewCollageForm::pictureFilter());
    // Cancelling the file dialog keeps the path.
    QTest::mouseClick(m_dialog.browseButton(), Qt::LeftButton);
    EXPECT_EQ(m_dialog.pathEdit()->text(), QStringLiteral("/pictures/sky.png"));
    pressOk();
    ASSERT_TRUE(accepted());
    EXPECT_EQ(m_dialog.settings().picturePath, QStringLiteral("/pictures/sky.png"));
}

TEST_F(NewCollageDialogTest, TooLongPathIsRefused)
{
    show();
    m_dialog.pathEdit()->setText(QString(300, QLatin1Char('p')));
    pressOk();
    EXPECT_TRUE(m_dialog.isVisible());
    ASSERT_EQ(m_prompter.messages().size(), 1);
    EXPECT_EQ(QApplication::focusWidget(), m_dialog.pathEdit());
}

TEST_F(NewCollageDialogTest, ColourComesFromTheColourButton)
{
    show();
    QTest::mouseClick(m_dialog.colourButton(), Qt::LeftButton);
    CFacColourPopup* popup = m_dialog.colourButton()->popup();
    ASSERT_TRUE(popup);
    EXPECT_EQ(popup->markedEntry(), 39); // white
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Left);
    QTest::keyClick(popup, Qt::Key_Return);
    pressOk();
    ASSERT_TRUE(accepted());
    EXPECT_EQ(m_dialog.settings().backgroundColour, ColourTable::colour(38));
}

TEST_F(NewCollageDialogTest, CancelCloseAndEscapeLeaveTheSettings)
{
    CanvasSettings settings;
    settings.width = 640;
    show(settings);
    retype(m_dialog.widthEdit(), QStringLiteral("2000"));
    QTest::mouseClick(m_dialog.modeButton(1), Qt::LeftButton);
    QTest::mouseClick(m_dialog.cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(m_dialog.isVisible());
    EXPECT_EQ(m_dialog.result(), QDialog::Rejected);
    EXPECT_EQ(m_dialog.settings(), settings);

    show(settings);
    QTest::mouseClick(m_dialog.closeButton(), Qt::LeftButton);
    EXPECT_FALSE(m_dialog.isVisible());
    EXPECT_EQ(m_dialog.result(), QDialog::Rejected);

    show(settings);
    QTest::keyClick(m_dialog.widthEdit(), Qt::Key_Escape);
    EXPECT_FALSE(m_dialog.isVisible());
    EXPECT_EQ(m_dialog.result(), QDialog::Rejected);
}

TEST_F(NewCollageDialogTest, EnterInAnEditBoxIsOk)
{
    show();
    retype(m_dialog.heightEdit(), QStringLiteral("500"));
    QTest::keyClick(m_dialog.heightEdit(), Qt::Key_Return);
    ASSERT_TRUE(accepted());
    EXPECT_EQ(m_dialog.settings().height, 500);
}

TEST(ToolDialogTest, LooksAndMovesLikeAToolDialog)
{
    QWidget owner;
    owner.setGeometry(120, 80, 700, 500);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    test::ScriptedPrompter prompter;
    NewCollageDialog dialog(prompter, &owner);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    EXPECT_TRUE(dialog.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(dialog.pos(), QPoint(120 + (700 - 428) / 2, 80 + (500 - 164) / 2));
    EXPECT_EQ(dialog.closeButton()->id(), 10010);
    EXPECT_EQ(dialog.closeButton()->geometry(), QRect(428 - 43, 8, 24, 14));

    const QRegion region = dialog.mask();
    EXPECT_FALSE(region.contains(QPoint(0, 0)));
    EXPECT_FALSE(region.contains(QPoint(427, 163)));
    EXPECT_TRUE(region.contains(QPoint(8, 0)));
    EXPECT_TRUE(region.contains(QPoint(0, 8)));
    EXPECT_TRUE(region.contains(QPoint(3, 3)));
    EXPECT_TRUE(region.contains(QPoint(214, 82)));

    // Dragged by the top 25 pixels only.
    const QPoint start = dialog.pos();
    QTest::mousePress(&dialog, Qt::LeftButton, {}, QPoint(200, 10));
    QTest::mouseMove(&dialog, QPoint(250, 40));
    QTest::mouseRelease(&dialog, Qt::LeftButton, {}, QPoint(250, 40));
    EXPECT_EQ(dialog.pos(), start + QPoint(50, 30));
    QTest::mousePress(&dialog, Qt::LeftButton, {}, QPoint(200, 120));
    QTest::mouseMove(&dialog, QPoint(260, 150));
    QTest::mouseRelease(&dialog, Qt::LeftButton, {}, QPoint(260, 150));
    EXPECT_EQ(dialog.pos(), start + QPoint(50, 30));

    // The caption: black text over a white copy one pixel down and right.
    const QImage image = dialog.grab().toImage();
    int black = 0;
    int white = 0;
    for (int y = 4; y < 22; ++y)
        for (int x = 17; x < 130; ++x) {
            const int grey = qGray(image.pixel(x, y));
            black += grey < 40;
            white += grey > 250 && y > 6;
        }
    EXPECT_GT(black, 20);
    EXPECT_GT(white, 10);
}

} // namespace
} // namespace montora
