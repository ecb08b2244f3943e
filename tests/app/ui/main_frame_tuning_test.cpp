// The tuning sliders and the picture filters as the window offers them.
#include "app/ui/filter_commands.h"
#include "app/ui/main_frame.h"
#include "app/ui/main_frame_tuning.h"
#include "canvas/ui/collage_canvas.h"
#include "controls/skin_button.h"
#include "support/memory_library_files.h"
#include "support/scripted_prompter.h"
#include "tools/ui/red_eye_panel.h"
#include "tools/ui/tuning_panel.h"

#include <gtest/gtest.h>

#include <QSlider>
#include <QTest>

using namespace montora;

namespace {

class MainFrameTuningTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = std::make_unique<MainFrame>(std::make_unique<test::MemoryLibraryFiles>(), prompter);
        frame->resize(1280, 800);
        tuning = new MainFrameTuning(*frame, prompter);
        new FilterCommands(*frame, prompter);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        ASSERT_TRUE(project().addPhoto("/p/a.jpg", QSize(400, 300), ViewPoint::atCollage({40, 30})).isOk());
        ASSERT_TRUE(project().addPhoto("/p/b.jpg", QSize(300, 200), ViewPoint::atCollage({300, 200})).isOk());
    }
    void TearDown() override { frame.reset(); }

    CollageProject& project() { return frame->canvas()->project(); }
    TuningPanel& panel() { return *tuning->panel(); }
    const ToneSettings& toneOf(int index) { return project().item(index).asPhoto()->tone; }

    test::ScriptedPrompter prompter;
    std::unique_ptr<MainFrame> frame;
    MainFrameTuning* tuning = nullptr;
};

} // namespace

TEST_F(MainFrameTuningTest, TheTuningTabShowsTheSlidersAndResetClearsTheEnabledFlag)
{
    ASSERT_TRUE(frame->runCommand(CommandId::TabTuning));
    EXPECT_TRUE(panel().isVisible());
    EXPECT_EQ(panel().geometry(), frame->frameLayout().libraryPanel);

    panel().slider(2)->setValue(0); // saturation
    EXPECT_EQ(toneOf(1).enabled, 1);
    EXPECT_FLOAT_EQ(toneOf(1).saturation, 0.0f);
    EXPECT_EQ(toneOf(0).enabled, 0) << "only the selected photo is tuned";

    QTest::mouseClick(panel().resetButton(), Qt::LeftButton);
    EXPECT_EQ(panel().positions(), (std::array<int, 6>{100, 100, 100, 18000, 100, 18000}));
    EXPECT_EQ(toneOf(1), ToneSettings::fromSliders(100, 100, 100, 18000, 100, 18000, false));
    EXPECT_EQ(toneOf(1).enabled, 0);
}

TEST_F(MainFrameTuningTest, ADragIsOneUndoStepAndTheSlidersKeepTheirPlaceWithoutASelection)
{
    const int stepsBefore = project().history().size();
    QSlider* brightness = panel().slider(1);
    brightness->setSliderDown(true);
    for (int position = 110; position <= 190; position += 10)
        brightness->setValue(position);
    EXPECT_EQ(project().history().size(), stepsBefore);
    brightness->setSliderDown(false);
    EXPECT_EQ(project().history().size(), stepsBefore + 1);
    EXPECT_FLOAT_EQ(toneOf(1).brightness, 0.9f);

    ASSERT_TRUE(project().undo());
    EXPECT_EQ(toneOf(1).enabled, 0);

    // Nothing selected: the hint once for a whole drag, and the slider stays where it was put.
    project().deselectAll();
    prompter.asked.clear();
    brightness->setSliderDown(true);
    brightness->setValue(40);
    brightness->setValue(30);
    brightness->setSliderDown(false);
    EXPECT_EQ(prompter.messages(), QStringList{CollageProject::kSelectPhotoOrClipartMessage});
    EXPECT_EQ(brightness->value(), 30);
}

TEST_F(MainFrameTuningTest, AFilterAskedForReplacesTheItemsAndUndoGivesThemBack)
{
    prompter.answers = {Prompter::Answer::No};
    ASSERT_TRUE(frame->runCommand(CommandId(11993)));
    EXPECT_EQ(project().itemCount(), 2);
    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_EQ(prompter.asked[0].text, FilterCommands::confirmationText("Mean"));

    prompter.answers = {Prompter::Answer::Yes};
    ASSERT_TRUE(frame->runCommand(CommandId(11993)));
    ASSERT_EQ(project().itemCount(), 1);
    EXPECT_TRUE(project().item(0).asClipart()->isPixelPicture());
    EXPECT_TRUE(frame->toolbarState().isEnabled(ToolbarSlot::Undo));

    ASSERT_TRUE(frame->runCommand(CommandId::Undo));
    ASSERT_EQ(project().itemCount(), 2);
    EXPECT_EQ(project().item(1).asPhoto()->picturePath(), "/p/b.jpg");
}

TEST_F(MainFrameTuningTest, TheRedEyePanelComesFromThePanelMenuAndItsTextStaysClearOfThePicture)
{
    ASSERT_TRUE(frame->runCommand(CommandId::PanelRedEye));
    EXPECT_EQ(frame->currentPanel(), LibraryPanelSlot::RedEye);
    EXPECT_TRUE(tuning->redEyePanel()->isVisible());
    EXPECT_FALSE(panel().isVisible());
    const QSize place = frame->frameLayout().libraryPanel.size();
    EXPECT_FALSE(RedEyePanel::textRect(place).intersects(RedEyePanel::pictureRect(place)));
    EXPECT_GE(RedEyePanel::pictureRect(place).top(), RedEyePanel::kBannerHeight);
    ASSERT_TRUE(frame->runCommand(CommandId::TabFrame));
    EXPECT_FALSE(tuning->redEyePanel()->isVisible());
}
