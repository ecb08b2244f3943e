#include "app/command_table.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace montora;

TEST(CommandTable, OnlyEnabledCommandsWithAHandlerRun)
{
    CommandTable table;
    int runs = 0;
    table.addDisabled(CommandId::Calendar);
    EXPECT_TRUE(table.contains(CommandId::Calendar));
    EXPECT_FALSE(table.run(CommandId::Calendar));
    table.setEnabled(CommandId::Calendar, true);
    EXPECT_FALSE(table.isEnabled(CommandId::Calendar)) << "nothing to run yet";

    table.setHandler(CommandId::Undo, [&] { ++runs; });
    EXPECT_TRUE(table.run(CommandId::Undo));
    table.setEnabled(CommandId::Undo, false);
    EXPECT_FALSE(table.run(CommandId::Undo));
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(table.run(CommandId::Redo)) << "an unknown command is ignored";
}

TEST(CommandTable, AHandlerMayReplaceItsOwnEntry)
{
    CommandTable table;
    int second = 0;
    table.setHandler(CommandId::NewProject, [&] { table.setHandler(CommandId::NewProject, [&] { ++second; }); });
    EXPECT_TRUE(table.run(CommandId::NewProject));
    EXPECT_TRUE(table.run(CommandId::NewProject));
    EXPECT_EQ(second, 1);
}

TEST(CommandId, EveryIdentifierIsListedOnce)
{
    const QList<CommandId> ids = allCommandIds();
    QSet<int> numbers;
    for (CommandId id : ids)
        numbers.insert(int(id));
    EXPECT_EQ(numbers.size(), ids.size());
    EXPECT_TRUE(numbers.contains(11987));
    EXPECT_TRUE(numbers.contains(10015));
    EXPECT_EQ(int(CommandId::OpenHelpMenu), 11011);
}

TEST(CommandId, TwinsRunTheSameCommand)
{
    EXPECT_EQ(sameCommandIds(CommandId::ToolUndo), QList<CommandId>({CommandId::ToolUndo, CommandId::Undo}));
    EXPECT_EQ(sameCommandIds(CommandId::ImportButton),
              QList<CommandId>({CommandId::ImportButton, CommandId::ImportPhoto, CommandId::LibraryImportPhoto}));
    EXPECT_EQ(sameCommandIds(CommandId::ZoomIn), QList<CommandId>({CommandId::ZoomIn}));
    EXPECT_EQ(sameCommandIds(CommandId::CaptionClose).size(), 2);
}
