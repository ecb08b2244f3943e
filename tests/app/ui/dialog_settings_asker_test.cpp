#include "app/ui/dialog_settings_asker.h"

#include "controls/c_fac_colour_picker.h"
#include "controls/c_fac_colour_popup.h"
#include "controls/skin_button.h"
#include "controls/skin_radio_button.h"
#include "support/scripted_prompter.h"
#include "tools/ui/new_collage_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
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

// A click whose screen position is `shift` away from where the toolkit believes the
// widget is: what the display server reports when a window manager framed the
// dialog after the toolkit last heard where it is.
void clickShifted(QWidget* widget, QPoint shift)
{
    const QPointF local(widget->width() - 8, widget->height() / 2);
    const QPointF screen = QPointF(widget->mapToGlobal(local.toPoint())) + QPointF(shift);
    QMouseEvent press(QEvent::MouseButtonPress, local, screen, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, screen, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

TEST(DialogSettingsAskerTest, TheColourPopUpOpensUnderItsButtonInBothForms)
{
    QWidget owner;
    owner.setGeometry(40, 30, 600, 450);
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    test::ScriptedPrompter prompter;
    DialogSettingsAsker asker(prompter, &owner);
    for (const auto form : {CollageSettingsAsker::Form::NewCollage, CollageSettingsAsker::Form::Setting}) {
        for (const QPoint shift : {QPoint(0, 0), QPoint(60, 40)}) {
            QPoint expected;
            QPoint placed;
            whenShown([&](NewCollageDialog& dialog) {
                CFacColourPicker* picker = dialog.colourButton();
                expected = picker->mapToGlobal(QPoint(0, picker->height())) + shift;
                clickShifted(picker, shift);
                if (CFacColourPopup* popup = picker->popup()) {
                    placed = popup->geometry().topLeft();
                    popup->cancel();
                }
                dialog.reject();
            });
            asker.ask(form, CanvasSettings());
            EXPECT_EQ(placed, expected) << "form " << int(form) << ", shift " << shift.x();
        }
    }
}

} // namespace
} // namespace montora
