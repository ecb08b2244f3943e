#include "app/ui/menu_bar_button.h"
#include "app/ui/toolbar_button.h"
#include "controls/skin_button.h"
#include "controls/skin_radio_button.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace montora {
namespace {

// Each kind is reached with Tab and clicked with Space, sends its own signal with
// its identifier once, and tells accessibility its name.
TEST(SkinStateButton, EveryButtonKindIsReachedWithTabAndClickedWithSpace)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* start = new QLineEdit(&window);
    auto* skin = new SkinButton(42, &window);
    skin->setCaption(QStringLiteral("&OK"));
    auto* radio = new SkinRadioButton(7, QStringLiteral("Twice the size"), &window);
    auto* tool = new ToolbarButton(CommandId::ToolDelete, QStringLiteral("tool_delete"), QStringLiteral("Delete"),
                                   &window);
    auto* menu = new MenuBarButton(CommandId::ToolDelete, QStringLiteral("&File"), &window);
    for (QWidget* each : std::initializer_list<QWidget*>{start, skin, radio, tool, menu})
        layout->addWidget(each);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    start->setFocus();

    QSignalSpy skinClicks(skin, &SkinButton::clicked);
    QSignalSpy radioClicks(radio, &SkinRadioButton::clicked);
    QSignalSpy toolClicks(tool, &ToolbarButton::clicked);
    QSignalSpy menuClicks(menu, &MenuBarButton::clicked);
    for (QWidget* button : std::initializer_list<QWidget*>{skin, radio, tool, menu}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), button) << button->metaObject()->className();
        QTest::keyClick(button, Qt::Key_Space);
    }
    ASSERT_EQ(skinClicks.size(), 1);
    EXPECT_EQ(skinClicks[0][0].toInt(), 42);
    ASSERT_EQ(radioClicks.size(), 1);
    EXPECT_EQ(radioClicks[0][0].toInt(), 7);
    EXPECT_FALSE(radio->isOn()) << "the owner turns it on";
    ASSERT_EQ(toolClicks.size(), 1);
    EXPECT_EQ(toolClicks[0][0].value<CommandId>(), CommandId::ToolDelete);
    EXPECT_EQ(menuClicks.size(), 1);

    radio->setOn(true);
    QAccessibleInterface* radioAccess = QAccessible::queryAccessibleInterface(radio);
    ASSERT_NE(radioAccess, nullptr);
    EXPECT_TRUE(radioAccess->state().checked);
    EXPECT_EQ(radioAccess->text(QAccessible::Name), "Twice the size");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(skin)->text(QAccessible::Name), "OK");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(tool)->text(QAccessible::Name), "Delete");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(menu)->text(QAccessible::Name), "File");
}

} // namespace
} // namespace montora
