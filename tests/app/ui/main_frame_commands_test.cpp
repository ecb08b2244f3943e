#include "app/startup_library_files.h"
#include "app/ui/about_dialog.h"
#include "app/ui/library_tab.h"
#include "app/ui/main_frame.h"
#include "app/ui/menu_bar_button.h"
#include "app/ui/shell_input_filter.h"
#include "app/ui/shell_menu.h"
#include "app/ui/toolbar_button.h"
#include "canvas/ui/collage_canvas.h"
#include "controls/skin_button.h"
#include "controls/skin_scroll_bar.h"
#include "support/memory_library_files.h"
#include "support/scripted_prompter.h"
#include "tools/ui/photo_library_panel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace montora;

namespace {

using test::MemoryLibraryFiles;

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

class MainFrameCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto files = std::make_unique<MemoryLibraryFiles>();
        library = files.get();
        frame = std::make_unique<MainFrame>(std::move(files), prompter);
        frame->resize(1280, 800);
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }
    void TearDown() override
    {
        if (ShellMenu* menu = frame->openMenu())
            menu->close();
        frame.reset();
    }

    CollageProject& project() { return frame->canvas()->project(); }
    void addPhotos(int count)
    {
        for (int i = 0; i < count; ++i)
            ASSERT_TRUE(project().addPhoto("/p/a.jpg", QSize(400, 300), ViewPoint::atCollage({40 * i, 30})).isOk());
    }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }
    bool shown(ToolbarSlot slot) const { return frame->toolbarButton(slot)->isEnabled(); }
    std::string layerButtons() const
    {
        std::string s;
        for (ToolbarSlot slot : {ToolbarSlot::MoveForward, ToolbarSlot::MoveBackward, ToolbarSlot::MoveToFront,
                                 ToolbarSlot::MoveToBack})
            s += shown(slot) ? '1' : '0';
        return s;
    }

    test::ScriptedPrompter prompter;
    MemoryLibraryFiles* library = nullptr;
    std::unique_ptr<MainFrame> frame;
};

} // namespace

TEST_F(MainFrameCommandsTest, ChildrenStandWhereTheLayoutPutsThem)
{
    const MainFrameLayout layout(QSize(1280, 800));
    ASSERT_EQ(frame->size(), QSize(1280, 800));
    EXPECT_EQ(frame->canvas()->geometry(), layout.canvas);
    EXPECT_EQ(frame->photoLibraryPanel()->geometry(), layout.photoLibrary);
    EXPECT_EQ(frame->zoomBox()->geometry(), layout.zoomBox);
    EXPECT_EQ(frame->toolbarButton(ToolbarSlot::ZoomOut)->geometry(), QRect(1280 - 225, 184, 22, 21));
    EXPECT_EQ(frame->toolbarButton(ToolbarSlot::Setting)->geometry(), QRect(267, 184, 22, 21));
    EXPECT_EQ(frame->libraryTab(4)->geometry(), layout.libraryTabs[4]);
    EXPECT_EQ(frame->menuBarButton(2)->geometry(), layout.menuBarButtons[2]);
    EXPECT_EQ(frame->captionButton(CommandId::CaptionClose)->geometry(), layout.captionClose);
    EXPECT_EQ(frame->importButton()->geometry(), layout.importButton);
    EXPECT_EQ(frame->colourControl()->geometry(), layout.colourControl);

    frame->resize(900, 640);
    const MainFrameLayout smaller(QSize(900, 640));
    EXPECT_EQ(frame->canvas()->geometry(), smaller.canvas);
    EXPECT_EQ(frame->libraryPanel(0)->geometry(), smaller.libraryPanel);
    EXPECT_EQ(frame->minimumSize(), QSize(800, 570));
}

TEST_F(MainFrameCommandsTest, LayerButtonsFollowTheSelectedItem)
{
    EXPECT_EQ(layerButtons(), "0000");
    EXPECT_FALSE(shown(ToolbarSlot::Undo));
    addPhotos(1);
    EXPECT_EQ(layerButtons(), "0000") << "the only item";
    EXPECT_TRUE(shown(ToolbarSlot::Undo));
    EXPECT_TRUE(shown(ToolbarSlot::Delete));
    EXPECT_TRUE(shown(ToolbarSlot::Crop)) << "a photo is selected";

    addPhotos(1);
    EXPECT_EQ(layerButtons(), "0101") << "the new item is selected on top";
    click(frame->toolbarButton(ToolbarSlot::MoveToBack));
    EXPECT_TRUE(project().item(0).isSelected());
    EXPECT_EQ(layerButtons(), "1010") << "at the bottom it can only go up";
    click(frame->toolbarButton(ToolbarSlot::MoveForward));
    EXPECT_TRUE(project().item(1).isSelected());
    EXPECT_EQ(layerButtons(), "0101");

    click(frame->toolbarButton(ToolbarSlot::Delete));
    EXPECT_EQ(project().itemCount(), 1);
    EXPECT_EQ(layerButtons(), "0000");
    EXPECT_FALSE(shown(ToolbarSlot::Delete));
}

TEST_F(MainFrameCommandsTest, ZoomStopsAtTwoHundredAndTwentyFivePercent)
{
    ToolbarButton* zoomIn = frame->toolbarButton(ToolbarSlot::ZoomIn);
    EXPECT_EQ(frame->zoomBox()->currentText(), "100%");
    for (int i = 0; i < 4; ++i)
        click(zoomIn);
    EXPECT_EQ(frame->zoomBox()->currentText(), "200%");
    EXPECT_FLOAT_EQ(project().zoom(), 2.0f);
    click(zoomIn);
    EXPECT_EQ(frame->zoomBox()->currentText(), "200%");
    EXPECT_FLOAT_EQ(project().zoom(), 2.0f);
    EXPECT_TRUE(zoomIn->isEnabled());

    for (int i = 0; i < 8; ++i)
        click(frame->toolbarButton(ToolbarSlot::ZoomOut));
    EXPECT_EQ(frame->zoomBox()->currentText(), "25%");
    EXPECT_FLOAT_EQ(project().zoom(), 0.25f);

    // The zoom box applies what is picked in it.
    frame->zoomBox()->setCurrentIndex(5);
    emit frame->zoomBox()->activated(5);
    EXPECT_FLOAT_EQ(project().zoom(), 1.5f);

    // "Fit" shows a wide and a tall collage whole and centred, with no scroll bar.
    CollageCanvas* canvas = frame->canvas();
    ASSERT_NE(canvas, nullptr);
    for (const QSize collage : {QSize(3200, 400), QSize(400, 3200)}) {
        ASSERT_TRUE(project().setSize(collage.width(), collage.height()));
        if (collage.width() > collage.height()) {
            emit canvas->fitRequested(); // what Ctrl+0 on the canvas sends
        } else {
            // Ctrl+0 works from any child of the window, here the photo library.
            emit frame->zoomBox()->activated(5);
            ASSERT_NE(frame->zoomBox()->currentText(), "Fit");
            QWidget* elsewhere = frame->photoLibraryPanel();
            ASSERT_NE(elsewhere, nullptr);
            QTest::keyClick(elsewhere, Qt::Key_0, Qt::ControlModifier);
        }
        EXPECT_EQ(frame->zoomBox()->currentText(), "Fit");
        const QRect shown = Compositor::collageRect(collage, project().zoom()).translated(-project().scroll());
        EXPECT_TRUE(canvas->rect().contains(shown)) << shown.width() << "x" << shown.height();
        EXPECT_LE(std::abs(shown.center().x() - canvas->rect().center().x()), 1);
        EXPECT_LE(std::abs(shown.center().y() - canvas->rect().center().y()), 1);
        EXPECT_TRUE(shown.width() >= canvas->width() - 40 || shown.height() >= canvas->height() - 40);
        EXPECT_TRUE(canvas->verticalBar()->isHidden() && canvas->horizontalBar()->isHidden());
    }
    emit frame->zoomBox()->activated(5);
    click(zoomIn);
    EXPECT_EQ(frame->zoomBox()->currentText(), "175%");
}

TEST_F(MainFrameCommandsTest, CtrlZAndCtrlYInEitherCaseFromAnyChild)
{
    addPhotos(2);
    frame->canvas()->setFocus();
    QTest::keyClick(frame->canvas(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(project().itemCount(), 1);
    EXPECT_TRUE(shown(ToolbarSlot::Redo));
    // Shift (or Caps Lock) makes it a capital; it still undoes.
    QTest::keyClick(frame->canvas(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(project().itemCount(), 0);
    EXPECT_FALSE(shown(ToolbarSlot::Undo));

    QTest::keyClick(frame->canvas(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(project().itemCount(), 1);
    EXPECT_TRUE(shown(ToolbarSlot::Undo));

    // From a text box that passes the key on to its parents, it still redoes once.
    auto* field = new QLineEdit(frame.get());
    field->show();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(project().itemCount(), 2);
    EXPECT_FALSE(shown(ToolbarSlot::Redo));
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(project().itemCount(), 1);
}

TEST_F(MainFrameCommandsTest, EscapeAndEnterNeverCloseTheWindow)
{
    frame->canvas()->setFocus();
    QTest::keyClick(frame->canvas(), Qt::Key_Escape);
    QTest::keyClick(frame->canvas(), Qt::Key_Return);
    QTest::keyClick(frame.get(), Qt::Key_Escape);
    QTest::keyClick(frame.get(), Qt::Key_Enter);
    QApplication::processEvents();
    EXPECT_TRUE(frame->isVisible());

    auto* field = new QLineEdit(frame.get());
    int returns = 0;
    QObject::connect(field, &QLineEdit::returnPressed, [&] { ++returns; });
    field->show();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(returns, 0) << "Enter is kept from a one-line box";

    auto* text = new QPlainTextEdit(frame.get());
    text->show();
    text->setFocus();
    QTest::keyClicks(text, "a");
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClicks(text, "b");
    EXPECT_EQ(text->toPlainText(), "a\nb") << "a text box that wants Enter gets it";

    field->setProperty(ShellInputFilter::kAcceptsEnterProperty, true);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(returns, 1);
    EXPECT_TRUE(frame->isVisible());
}

TEST_F(MainFrameCommandsTest, AltFOpensTheFileMenuUnderItsButtonOnlyWhileItShows)
{
    QTest::keyClick(frame.get(), Qt::Key_F, Qt::AltModifier);
    ShellMenu* menu = frame->openMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->kind(), MenuKind::File);
    EXPECT_TRUE(menu->isVisible());
    MenuBarButton* file = frame->menuBarButton(0);
    EXPECT_EQ(menu->pos(), file->mapToGlobal(QPoint(0, file->height())));
    EXPECT_TRUE(file->isOpen());
    menu->close();
    QApplication::processEvents();
    EXPECT_EQ(frame->openMenu(), nullptr);
    EXPECT_FALSE(file->isOpen());
    // The test platform gives the activation back to no one when a popup closes.
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));

    file->hide();
    QTest::keyClick(frame.get(), Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(frame->openMenu(), nullptr);

    QTest::keyClick(frame.get(), Qt::Key_H, Qt::AltModifier);
    ASSERT_NE(frame->openMenu(), nullptr) << "the other buttons still open theirs";
    EXPECT_EQ(frame->openMenu()->kind(), MenuKind::Help);
}

TEST_F(MainFrameCommandsTest, MenusReadTheToolbarWhenTheyOpen)
{
    click(frame->menuBarButton(2));
    ShellMenu* edit = frame->openMenu();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->kind(), MenuKind::Edit);
    EXPECT_FALSE(edit->actionFor(CommandId::Delete)->isEnabled());
    EXPECT_FALSE(edit->actionFor(CommandId::Undo)->isEnabled());
    EXPECT_FALSE(edit->actionFor(CommandId::Setting)->isEnabled()) << "no settings dialog wired in";
    edit->close();

    addPhotos(2);
    frame->showCanvasContextMenu(frame->canvas()->mapToGlobal(QPoint(50, 60)));
    ShellMenu* context = frame->openMenu();
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(context->pos(), frame->canvas()->mapToGlobal(QPoint(50, 60)));
    EXPECT_TRUE(context->actionFor(CommandId::Delete)->isEnabled());
    EXPECT_TRUE(context->actionFor(CommandId::Undo)->isEnabled());
    EXPECT_TRUE(context->actionFor(CommandId::MoveToBack)->isEnabled());
    EXPECT_FALSE(context->actionFor(CommandId::MoveToFront)->isEnabled());
    context->actionFor(CommandId::MoveToBack)->trigger();
    EXPECT_TRUE(project().item(0).isSelected());
}

TEST_F(MainFrameCommandsTest, TabsAndThePanelMenuSwitchTheLibraryPanel)
{
    EXPECT_EQ(frame->currentPanel(), LibraryPanelSlot::Frame);
    EXPECT_TRUE(frame->libraryPanel(0)->isVisible());
    EXPECT_TRUE(frame->libraryTab(0)->isCurrent());

    click(frame->libraryTab(2));
    EXPECT_EQ(frame->currentPanel(), LibraryPanelSlot::Clipart);
    EXPECT_FALSE(frame->libraryPanel(0)->isVisible());
    EXPECT_TRUE(frame->libraryPanel(2)->isVisible());
    EXPECT_TRUE(frame->libraryTab(2)->isCurrent());
    EXPECT_FALSE(frame->libraryTab(0)->isCurrent());

    QTest::keyClick(frame.get(), Qt::Key_N, Qt::AltModifier);
    ShellMenu* panels = frame->openMenu();
    ASSERT_NE(panels, nullptr);
    EXPECT_TRUE(panels->actionFor(CommandId::PanelClipart)->isChecked());
    EXPECT_FALSE(panels->actionFor(CommandId::PanelFrame)->isChecked());
    panels->actionFor(CommandId::PanelText)->trigger();
    EXPECT_EQ(frame->currentPanel(), LibraryPanelSlot::Text);
    EXPECT_TRUE(frame->libraryTab(4)->isCurrent());

    // A panel handed over later takes the place and the visibility of its slot.
    auto* tuning = new QWidget;
    frame->setLibraryPanel(3, tuning);
    EXPECT_EQ(tuning->parentWidget(), frame.get());
    EXPECT_EQ(tuning->geometry(), MainFrameLayout(frame->size()).libraryPanel);
    EXPECT_FALSE(tuning->isVisible());
    click(frame->libraryTab(3));
    EXPECT_TRUE(tuning->isVisible());
    EXPECT_EQ(frame->libraryTab(3)->caption(), "Tuning");
}

TEST_F(MainFrameCommandsTest, CommandsNotBuiltYetAreDisabledUntilAHandlerComes)
{
    for (CommandId id : allCommandIds())
        EXPECT_TRUE(frame->commands().contains(id)) << int(id);
    for (CommandId id : {CommandId::NewProject, CommandId::ToolSaveCollage, CommandId::Calendar,
                         CommandId::BatchConverter, CommandId::ImportResourcePack, CommandId::AddDecorationToCanvas})
        EXPECT_FALSE(frame->commands().isEnabled(id)) << int(id);
    EXPECT_FALSE(frame->toolbarButton(ToolbarSlot::New)->isEnabled());
    EXPECT_FALSE(frame->runCommand(CommandId::ToolNewProject));

    int newProjects = 0;
    frame->setProjectCommandHandler(CommandId::NewProject, [&] { ++newProjects; });
    EXPECT_TRUE(frame->toolbarButton(ToolbarSlot::New)->isEnabled());
    click(frame->toolbarButton(ToolbarSlot::New));
    QTest::keyClick(frame.get(), Qt::Key_F, Qt::AltModifier);
    ASSERT_NE(frame->openMenu(), nullptr);
    QAction* item = frame->openMenu()->actionFor(CommandId::NewProject);
    ASSERT_TRUE(item->isEnabled());
    item->trigger();
    EXPECT_EQ(newProjects, 2);
}

TEST_F(MainFrameCommandsTest, AddingAPhotoNeedsASelectedLibraryEntry)
{
    frame->runCommand(CommandId::LibraryAddToCanvas);
    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_EQ(prompter.asked[0].text, "Please select a photo to add. ");
    EXPECT_EQ(prompter.asked[0].icon, Prompter::Icon::Information);
    EXPECT_EQ(project().itemCount(), 0);

    QTemporaryDir folder;
    const QString path = folder.filePath("sea.png");
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(path));
    PhotoListEntry entry{};
    entry.record = *PhotoListRecord::forPath(path);
    entry.record.width = 120;
    entry.record.height = 80;
    library->entries.push_back(entry);
    frame->photoListLoaded();
    PhotoLibraryPanel* panel = frame->photoLibraryPanel();
    QTest::mouseClick(panel, Qt::LeftButton, {}, panel->gridLayout().pictureBox(0).center());
    ASSERT_EQ(panel->anchor(), 0);

    frame->runCommand(CommandId::LibraryAddToCanvas);
    ASSERT_EQ(project().itemCount(), 1);
    EXPECT_EQ(prompter.asked.size(), 1);

    // Dragged from the panel and let go over the canvas: added where it was let go.
    const QPoint from = panel->gridLayout().pictureBox(0).center();
    const QPoint over = panel->mapFromGlobal(frame->canvas()->mapToGlobal(QPoint(300, 200)));
    QTest::mousePress(panel, Qt::LeftButton, {}, from);
    QTest::mouseMove(panel, from + QPoint(30, 0));
    QTest::mouseMove(panel, over);
    EXPECT_NE(QGuiApplication::overrideCursor(), nullptr) << "the drop cursor over the canvas";
    QTest::mouseRelease(panel, Qt::LeftButton, {}, over);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(project().itemCount(), 2);
}

TEST_F(MainFrameCommandsTest, PreviewCoversTheWindowAndAClickOnlyLeavesIt)
{
    addPhotos(1);
    project().deselectAll();
    click(frame->toolbarButton(ToolbarSlot::Preview));
    ASSERT_TRUE(frame->isPreviewing());
    EXPECT_EQ(frame->canvas()->geometry(), frame->rect());
    EXPECT_FALSE(frame->photoLibraryPanel()->isVisible());
    EXPECT_FALSE(frame->toolbarButton(ToolbarSlot::Undo)->isVisible());
    EXPECT_TRUE(project().previewMode());

    // On the item, but the click only ends the preview.
    const QPoint onItem = frame->canvas()->rect().center();
    QTest::mouseClick(frame->canvas(), Qt::LeftButton, {}, onItem);
    EXPECT_FALSE(frame->isPreviewing());
    EXPECT_FALSE(project().previewMode());
    EXPECT_EQ(project().firstSelectedIndex(), -1);
    EXPECT_EQ(frame->canvas()->geometry(), MainFrameLayout(frame->size()).canvas);
    EXPECT_TRUE(frame->photoLibraryPanel()->isVisible());
    EXPECT_TRUE(frame->libraryPanel(0)->isVisible());
    EXPECT_FALSE(frame->libraryPanel(1)->isVisible());
    EXPECT_FLOAT_EQ(project().zoom(), 1.0f);
}

TEST_F(MainFrameCommandsTest, CaptionButtonsHelpAndAbout)
{
    click(frame->captionButton(CommandId::CaptionMaximise));
    EXPECT_TRUE(frame->isMaximisedByCaption());
    QTest::mouseDClick(frame.get(), Qt::LeftButton, {}, QPoint(600, 12));
    EXPECT_FALSE(frame->isMaximisedByCaption());

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    click(frame->menuBarButton(3));
    ASSERT_NE(frame->openMenu(), nullptr);
    frame->openMenu()->actionFor(CommandId::OnlineHelp)->trigger();
    QDesktopServices::unsetUrlHandler("https");
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened[0].toString(), MainFrame::helpAddress());

    // Within the test screen, so that nothing moves the box to fit it.
    frame->showNormal();
    frame->setGeometry(0, 0, 800, 590);
    frame->runCommand(CommandId::About);
    auto* about = frame->findChild<AboutDialog*>();
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
    EXPECT_TRUE(about->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_LE((about->geometry().center() - frame->geometry().center()).manhattanLength(), 2);
    click(about->closeButton());
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame->findChild<AboutDialog*>() == nullptr; }));

    click(frame->captionButton(CommandId::CaptionClose));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !frame->isVisible(); }));
}

#include "main_frame_commands_test.moc"
