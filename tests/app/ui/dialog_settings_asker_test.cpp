#include "app/ui/dialog_settings_asker.h"

#include "controls/skin_button.h"
#include "controls/skin_radio_button.h"
#include "support/scripted_prompter.h"
#include "tools/ui/new_collage_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

namespace montora {
namespace {

// Runs `answer` on the dialog once its modal loop is running.
void whenShown(std::function<void(NewCollageDialog&)> answer)
{
    QTimer::singleShot(0, [answer = std::move(answer)] {
        auto* dialog = qobject_cast<NewCollageDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(*dialog);
    });
}

TEST(DialogSettingsAskerTest, TheSettingFormShowsTheCurrentValuesAndReturnsTheAnswer)
{
    test::ScriptedPrompter prompter;
    DialogSettingsAsker asker(prompter);
    const CanvasSettings current{640, 480, 0x336699, "/pictures/back.png", CanvasSettings::Tile};
    QString caption;
    whenShown([&](NewCollageDialog& dialog) {
        caption = dialog.caption();
        EXPECT_EQ(dialog.widthEdit()->text(), "640");
        EXPECT_EQ(dialog.pathEdit()->text(), "/pictures/back.png");
        EXPECT_TRUE(dialog.modeButton(CanvasSettings::Tile)->isOn());
        dialog.heightEdit()->setText("500");
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    const auto answer = asker.ask(CollageSettingsAsker::Form::Setting, current);
    EXPECT_EQ(caption, "Collage Setting");
    ASSERT_TRUE(answer.has_value());
    CanvasSettings expected = current;
    expected.height = 500;
    EXPECT_EQ(*answer, expected);
}

TEST(DialogSettingsAskerTest, TheNewCollageFormCancelledGivesNothing)
{
    test::ScriptedPrompter prompter;
    DialogSettingsAsker asker(prompter);
    QString caption;
    whenShown([&](NewCollageDialog& dialog) {
        caption = dialog.caption();
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    });
    EXPECT_FALSE(asker.ask(CollageSettingsAsker::Form::NewCollage, CanvasSettings()).has_value());
    EXPECT_EQ(caption, "Create New Collage");
}

} // namespace
} // namespace montora
