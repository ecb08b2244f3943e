#include "app/ui/toolbar_button.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

using namespace montora;

TEST(ToolbarButton, ClicksOnlyWhenLetGoOverItself)
{
    QWidget bar;
    bar.resize(100, 40);
    auto* button = new ToolbarButton(CommandId::ToolDelete, "tool_delete", "Delete", &bar);
    button->move(10, 10);
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    EXPECT_EQ(button->size(), QSize(22, 21));
    EXPECT_EQ(button->toolTip(), "Delete");

    QSignalSpy clicks(button, &ToolbarButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(11, 10));
    ASSERT_EQ(clicks.size(), 1);
    EXPECT_EQ(clicks[0][0].value<CommandId>(), CommandId::ToolDelete);

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(11, 10));
    EXPECT_TRUE(button->isPressed());
    QTest::mouseMove(button, QPoint(60, 10));
    EXPECT_FALSE(button->isHot());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(60, 10));
    EXPECT_EQ(clicks.size(), 1) << "dragged off before letting go";
    EXPECT_FALSE(button->isPressed());

    button->setEnabled(false);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(11, 10));
    EXPECT_EQ(clicks.size(), 1);
}
