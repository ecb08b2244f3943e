#include "app/toolbar_state.h"
#include "canvas/collage_project.h"

#include <gtest/gtest.h>

using namespace montora;

namespace {

class ToolbarStateTest : public ::testing::Test {
protected:
    void addPhotos(int count)
    {
        for (int i = 0; i < count; ++i)
            ASSERT_TRUE(project.addPhoto("/p/a.jpg", QSize(400, 300), ViewPoint::atCollage({10 * i, 0})).isOk());
    }
    void select(int index)
    {
        project.deselectAll();
        if (index >= 0)
            project.item(index).setSelected(true);
    }
    // The four layer buttons as a string: forward, backward, front, back.
    std::string layers() const
    {
        std::string s;
        for (ToolbarSlot slot : {ToolbarSlot::MoveForward, ToolbarSlot::MoveBackward, ToolbarSlot::MoveToFront,
                                 ToolbarSlot::MoveToBack})
            s += state.isEnabled(slot) ? '1' : '0';
        return s;
    }

    CollageProject project;
    ToolbarState state;
};

} // namespace

TEST_F(ToolbarStateTest, StartsWithTheEditButtonsDisabled)
{
    for (const ToolbarEntry& button : ToolbarTable::buttons())
        EXPECT_EQ(state.isEnabled(button.slot), button.startsEnabled) << button.tooltip;
    EXPECT_FALSE(state.isEnabled(ToolbarSlot::Undo));
    EXPECT_TRUE(state.isEnabled(ToolbarSlot::ZoomOut));
    EXPECT_EQ(ToolbarTable::button(ToolbarSlot::MoveToBack).command, CommandId::ToolMoveToBack);
}

TEST_F(ToolbarStateTest, LayerButtonsFollowTheSelectedLayer)
{
    addPhotos(1);
    select(0);
    state.update(project);
    EXPECT_EQ(layers(), "0000") << "the only item can go nowhere";

    addPhotos(2);
    select(0);
    state.update(project);
    EXPECT_EQ(layers(), "1010") << "bottom item: only up";
    select(1);
    state.update(project);
    EXPECT_EQ(layers(), "1111");
    select(2);
    state.update(project);
    EXPECT_EQ(layers(), "0101") << "top item: only down";
    select(-1);
    state.update(project);
    EXPECT_EQ(layers(), "0000");
    EXPECT_FALSE(state.isEnabled(ToolbarSlot::Delete));
    EXPECT_FALSE(state.isEnabled(ToolbarSlot::Crop));
}

TEST_F(ToolbarStateTest, UndoRedoFollowTheHistoryAndCropAPhoto)
{
    addPhotos(2);
    state.update(project);
    EXPECT_TRUE(state.isEnabled(ToolbarSlot::Undo));
    EXPECT_FALSE(state.isEnabled(ToolbarSlot::Redo));
    EXPECT_TRUE(state.isEnabled(ToolbarSlot::Crop));
    EXPECT_TRUE(state.isEnabled(ToolbarSlot::Delete));

    ASSERT_TRUE(project.undo());
    state.update(project);
    EXPECT_TRUE(state.isEnabled(ToolbarSlot::Redo));
    ASSERT_TRUE(project.undo());
    state.update(project);
    EXPECT_FALSE(state.isEnabled(ToolbarSlot::Undo));
    EXPECT_TRUE(state.isEnabled(ToolbarSlot::Redo));

    // Buttons outside the rule keep what the window gave them.
    state.setEnabled(ToolbarSlot::SaveCollage, false);
    state.update(project);
    EXPECT_FALSE(state.isEnabled(ToolbarSlot::SaveCollage));
}
