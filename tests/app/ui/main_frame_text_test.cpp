// The text panel in the window: typed text, styles and "Add" reach the canvas, a
// click on a text item brings its text back, typing is undone a pause at a time.
#include "app/ui/library_tab.h"
#include "app/ui/main_frame.h"
#include "app/ui/main_frame_panels.h"
#include "app/ui/main_frame_text.h"
#include "app/ui/toolbar_button.h"
#include "canvas/ui/collage_canvas.h"
#include "controls/c_fac_colour_picker.h"
#include "controls/c_fac_colour_popup.h"
#include "controls/skin_button.h"
#include "controls_model/colour_table.h"
#include "library/mask_pack.h"
#include "support/memory_library_files.h"
#include "support/scripted_prompter.h"
#include "text/styled_text.h"
#include "text/text_style_presets.h"
#include "tools/ui/font_combo_box.h"
#include "tools/ui/text_panel.h"
#include "tools/ui/text_panel_edit.h"
#include "tools/ui/text_style_gallery.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

using namespace montora;

namespace {

class MainFrameTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        const QString data = folder.filePath("Data") + "/";
        ASSERT_TRUE(QDir().mkpath(data));
        ASSERT_TRUE(MaskPack::installBuiltIn(data).isOk());
        frame = std::make_unique<MainFrame>(std::make_unique<test::MemoryLibraryFiles>(), prompter);
        frame->resize(1280, 800);
        new MainFramePanels(*frame, prompter, data);
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        click(frame->libraryTab(int(LibraryPanelSlot::Text)));
        panel = qobject_cast<TextPanel*>(frame->libraryPanel(int(LibraryPanelSlot::Text)));
        ASSERT_NE(panel, nullptr);
        ASSERT_TRUE(panel->isVisible());
    }
    void TearDown() override { frame.reset(); }

    CollageCanvas& canvas() { return *frame->canvas(); }
    CollageProject& project() { return canvas().project(); }
    TextPanelEdit* box() { return panel->textBox(); }
    void click(QWidget* widget, QPoint at) { QTest::mouseClick(widget, Qt::LeftButton, {}, at); }
    void click(QWidget* widget) { click(widget, widget->rect().center()); }
    // Packed fields are copied out before they are compared.
    TextStyleRecord textItem(int index) { return *project().item(index).asText(); }
    // The window point over the middle of a text item.
    QPoint onCanvas(const TextStyleRecord& text)
    {
        const QPointF centre(text.left + text.width / 2.0, text.top + text.height / 2.0);
        return (centre * project().zoom()).toPoint() - project().scroll();
    }
    // The offscreen platform leaves a closed pop-up's window the active one.
    void activate()
    {
        QApplication::setActiveWindow(frame.get());
        ASSERT_EQ(QApplication::activeWindow(), frame.get());
    }
    void add()
    {
        click(panel->addButton());
        ASSERT_TRUE(box()->hasFocus());
    }
    // A face of the list other than the one in use, measuring the text differently.
    int otherFace(const QString& text)
    {
        FontComboBox* faces = panel->fontBox();
        const QSize now = StyledText::measureText(panel->record().font, text);
        for (int i = 0; i < faces->count(); ++i) {
            FontRecord font = panel->record().font;
            (void)font.setFaceName(faces->itemText(i));
            if (StyledText::measureText(font, text).width() != now.width())
                return i;
        }
        return -1;
    }
    void chooseFace(int index)
    {
        FontComboBox* faces = panel->fontBox();
        click(faces);
        QAbstractItemView* list = faces->view();
        ASSERT_TRUE(list->isVisible());
        const QModelIndex item = faces->model()->index(index, 0);
        list->setCurrentIndex(item);
        QTest::keyClick(list, Qt::Key_Return);
        ASSERT_FALSE(list->isVisible());
        QCoreApplication::processEvents(); // the close-up comes once the choice is made
        activate();
    }

    QTemporaryDir folder;
    test::ScriptedPrompter prompter;
    std::unique_ptr<MainFrame> frame;
    TextPanel* panel = nullptr;
};

TEST_F(MainFrameTextTest, TypingIntoASelectedItemGrowsItRightAndDown)
{
    add();
    ASSERT_EQ(project().itemCount(), 1);
    const TextStyleRecord added = textItem(0);
    QTest::keyClicks(box(), "Harbour");
    QTest::keyClick(box(), Qt::Key_Return);
    QTest::keyClicks(box(), "lights");
    const TextStyleRecord typed = textItem(0);
    EXPECT_EQ(typed.text(), "Harbour\r\nlights") << "Enter breaks the line in the box";
    EXPECT_GT(typed.width, added.width);
    EXPECT_GT(typed.height, added.height);
    EXPECT_EQ(typed.left, added.left);
    EXPECT_EQ(typed.top, added.top);
    EXPECT_EQ(project().textStyle().text(), "Harbour\r\nlights");

    // Another face keeps the measured size until the text changes again.
    const int face = otherFace("Harbour\r\nlights!");
    ASSERT_GE(face, 0);
    chooseFace(face);
    const QString faceName = panel->fontBox()->itemText(face);
    TextStyleRecord restyled = textItem(0);
    EXPECT_EQ(restyled.font.faceName(), faceName);
    EXPECT_EQ(restyled.width, typed.width);
    EXPECT_EQ(restyled.height, typed.height);
    box()->setFocus();
    QTest::keyClick(box(), Qt::Key_End);
    QTest::keyClicks(box(), "!");
    restyled = textItem(0);
    EXPECT_EQ(QSize(restyled.width, restyled.height), StyledText::measureText(restyled.font, restyled.text()));
    EXPECT_NE(restyled.width, typed.width);
}

TEST_F(MainFrameTextTest, ClickingATextItemFillsTheBoxWithoutSendingTheText)
{
    add();
    QTest::keyClicks(box(), "Alpha");
    add();
    QTest::keyClick(box(), Qt::Key_A, Qt::ControlModifier); // the new item took the box's text
    QTest::keyClicks(box(), "Beta");
    ASSERT_EQ(project().itemCount(), 2);
    // The second item was added over the first: move it aside, then click the first.
    TextStyleRecord& beta = *project().item(1).asText();
    beta.left += 400;
    beta.top += 200;
    canvas().recompose();

    QSignalSpy sent(panel, &TextPanel::textChanged);
    click(&canvas(), onCanvas(textItem(0)));
    EXPECT_TRUE(project().item(0).isSelected());
    EXPECT_EQ(box()->toPlainText(), "Alpha");
    EXPECT_TRUE(box()->hasFocus());
    EXPECT_FALSE(box()->textCursor().hasSelection());
    EXPECT_EQ(box()->textCursor().position(), 5);
    EXPECT_EQ(sent.count(), 0);
    EXPECT_EQ(textItem(1).text(), "Beta");

    // Transparency 1.0: invisible, still there to be clicked and typed into.
    panel->transparencySlider()->setFocus();
    QTest::keyClick(panel->transparencySlider(), Qt::Key_End);
    EXPECT_FLOAT_EQ(textItem(0).transparency, 1.0f);
    EXPECT_EQ(textItem(0).alpha(), 0);
    click(&canvas(), QPoint(canvas().width() - 30, canvas().height() - 30));
    ASSERT_EQ(project().firstSelectedIndex(), -1);
    click(&canvas(), onCanvas(textItem(0)));
    EXPECT_TRUE(project().item(0).isSelected());
    QTest::keyClicks(box(), "bet");
    EXPECT_EQ(textItem(0).text(), "Alphabet");
}

TEST_F(MainFrameTextTest, AnAddedItemAndTheTypingAreUndoneAPauseAtATime)
{
    add();
    ASSERT_EQ(project().history().size(), 1);
    QTest::keyClicks(box(), "Sea");
    // The word becomes a step once typing pauses.
    ASSERT_TRUE(QTest::qWaitFor([&] { return project().history().size() >= 2; }, MainFrameText::kTypingPauseMs + 5000));
    EXPECT_EQ(project().history().size(), 2) << "one step for the word, not one per key";
    QTest::keyClicks(box(), "side");

    // Ctrl+Z in the box takes the last word back, in the item and the box alike.
    QTest::keyClick(box(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(textItem(0).text(), "Sea");
    EXPECT_EQ(box()->toPlainText(), "Sea");
    QTest::keyClick(box(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(textItem(0).text(), "");
    EXPECT_EQ(box()->toPlainText(), "");
    QTest::keyClick(box(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(project().itemCount(), 0) << "the added item goes";
    EXPECT_FALSE(frame->toolbarButton(ToolbarSlot::Undo)->isEnabled());

    click(frame->toolbarButton(ToolbarSlot::Redo));
    click(frame->toolbarButton(ToolbarSlot::Redo));
    ASSERT_EQ(project().itemCount(), 1);
    EXPECT_EQ(textItem(0).text(), "Sea");
}

TEST_F(MainFrameTextTest, ALongPasteIsStoredAsItsFirst999Bytes)
{
    add();
    QApplication::clipboard()->setText(QString(1000, QLatin1Char('w')));
    QTest::keyClick(box(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box()->toPlainText().size(), 1000) << "the box keeps all of it";
    EXPECT_EQ(textItem(0).text(), QString(999, QLatin1Char('w')));
    EXPECT_EQ(project().textStyle().text().size(), 999);
    EXPECT_EQ(panel->record().text().size(), 999);
}

TEST_F(MainFrameTextTest, ASavedTextItemReopensWithItsFaceStyleColoursAndText)
{
    TextStyleGallery* gallery = panel->gallery();
    click(gallery, gallery->cellRect(1).center());
    QTest::keyClick(gallery, Qt::Key_Down);
    QTest::keyClick(gallery, Qt::Key_Down);
    ASSERT_EQ(gallery->selected(), 3);
    const int face = otherFace("Dunes");
    ASSERT_GE(face, 0);
    chooseFace(face);
    click(panel->colourButton1());
    CFacColourPopup* popup = panel->colourButton1()->popup();
    ASSERT_NE(popup, nullptr);
    const QPoint orange = popup->layout().boxRect(9).center();
    QTest::mouseMove(popup, orange);
    click(popup, orange);
    ASSERT_EQ(panel->record().colour1, ColourTable::colour(9));
    activate();
    box()->setFocus();
    QTest::keyClicks(box(), "Dunes");
    add();
    const TextStyleRecord made = textItem(0);
    EXPECT_EQ(made.style, 3);
    EXPECT_EQ(made.colour1, ColourTable::colour(9));
    EXPECT_EQ(made.colour2, TextStylePresets::colours(3).colour2);
    EXPECT_EQ(box()->toPlainText(), "Dunes");

    const QString saved = folder.filePath("dunes.mcf");
    prompter.saveFileAnswers.push_back(saved);
    click(frame->toolbarButton(ToolbarSlot::SaveAs));
    project().clear();
    prompter.openFileAnswers.push_back({saved});
    click(frame->toolbarButton(ToolbarSlot::Open));
    ASSERT_EQ(project().itemCount(), 1);
    const TextStyleRecord reopened = textItem(0);
    EXPECT_EQ(reopened.font.faceName(), panel->fontBox()->itemText(face));
    EXPECT_EQ(reopened.style, 3);
    EXPECT_EQ(reopened.colour1, made.colour1);
    EXPECT_EQ(reopened.colour2, made.colour2);
    EXPECT_EQ(reopened.text(), "Dunes");
    EXPECT_EQ(QSize(reopened.width, reopened.height), QSize(made.width, made.height));
}

} // namespace
