#include "tools/ui/batch_convert_dialog.h"

#include "controls/skin_button.h"
#include "imaging/picture_decoder.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace montora {
namespace {

class BatchConvertDialogTest : public testing::Test {
protected:
    // The default output folder is made in the documents folder of a home of our own.
    void SetUp() override
    {
        m_home = qgetenv("HOME");
        m_hadConfig = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        m_config = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", m_fakeHome.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", m_fakeHome.filePath(".config").toUtf8());
        m_dialog = std::make_unique<BatchConvertDialog>(m_prompter);
        m_dialog->show();
        m_dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_dialog.get()));
    }

    void TearDown() override
    {
        m_dialog.reset();
        qputenv("HOME", m_home);
        if (m_hadConfig)
            qputenv("XDG_CONFIG_HOME", m_config);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }

    QString picture(const QString& name, const QImage& image, const char* format = "PNG")
    {
        const QString path = m_in.filePath(name);
        EXPECT_TRUE(image.save(path, format));
        return path;
    }

    QStringList outputs() const { return QDir(m_out.path()).entryList(QDir::Files | QDir::Hidden); }
    void click(SkinButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    QTemporaryDir m_fakeHome;
    QByteArray m_home;
    QByteArray m_config;
    bool m_hadConfig = false;
    QTemporaryDir m_in;
    QTemporaryDir m_out;
    test::ScriptedPrompter m_prompter;
    std::unique_ptr<BatchConvertDialog> m_dialog;

};

TEST_F(BatchConvertDialogTest, ConvertTwiceDuringARunStartsOneRunAndTheListStaysForTheNext)
{
    EXPECT_EQ(m_dialog->caption(), "Batch Convert");
    EXPECT_EQ(m_dialog->format(), "JPG");
    EXPECT_EQ(m_dialog->outputFolder(), m_fakeHome.filePath("Documents/Vantile Studio/Convert/"));
    EXPECT_TRUE(QDir(m_dialog->outputFolder()).exists());

    const QString bad = m_in.filePath("b.png");
    ASSERT_TRUE(test::writeFileBytes(bad, "broken"));
    m_prompter.openFileAnswers.push_back({picture("a.bmp", test::quadrantImage(40, 20), "BMP"), bad,
                                          picture("c.png", test::quadrantImage(24, 24))});
    m_prompter.folderAnswers.push_back(m_out.path());
    click(m_dialog->addButton());
    click(m_dialog->browseButton());
    EXPECT_EQ(m_dialog->fileList()->count(), 3);
    EXPECT_EQ(m_dialog->outputFolder(), m_out.path() + "/");
    m_dialog->formatList()->setCurrentRow(3);

    QSignalSpy started(m_dialog.get(), &BatchConvertDialog::runStarted);
    QSignalSpy finished(m_dialog.get(), &BatchConvertDialog::runFinished);
    click(m_dialog->convertButton());
    click(m_dialog->convertButton());
    EXPECT_EQ(started.count(), 1);
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(finished.takeFirst(), (QVariantList{2, 1}));
    EXPECT_EQ(outputs(), (QStringList{"a.png", "c.png"}));
    // The failed file was named, not skipped in silence.
    ASSERT_EQ(m_prompter.messages().size(), 1);
    EXPECT_TRUE(m_prompter.messages()[0].contains(bad));
    EXPECT_FALSE(m_dialog->isConverting());
    EXPECT_EQ(m_dialog->done(), 0);

    click(m_dialog->convertButton());
    EXPECT_EQ(started.count(), 2);
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(finished.takeFirst(), (QVariantList{2, 1}));
    EXPECT_TRUE(m_dialog->isVisible());
}

TEST_F(BatchConvertDialogTest, EveryClosePathDuringARunAsksThenWaitsForTheFileInHand)
{
    QStringList list{picture("large.bmp", test::seededImage(2000, 1500, 3), "BMP")};
    for (int i = 0; i < 4; ++i)
        list << picture(QStringLiteral("small%1.png").arg(i), test::quadrantImage(20, 20));
    m_dialog->addSources(list);
    m_dialog->setOutputFolder(m_out.path());
    m_dialog->formatList()->setCurrentRow(6); // TIF
    QSignalSpy finished(m_dialog.get(), &BatchConvertDialog::runFinished);

    QSignalSpy started(m_dialog.get(), &BatchConvertDialog::fileStarted);
    click(m_dialog->convertButton());
    ASSERT_TRUE(m_dialog->isConverting());
    ASSERT_TRUE(started.wait(20000));
    m_prompter.answers = {Prompter::Answer::No, Prompter::Answer::No, Prompter::Answer::Yes};
    QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
    m_dialog->close();
    EXPECT_TRUE(m_dialog->isVisible());
    click(m_dialog->closeButton());
    ASSERT_EQ(m_prompter.asked.size(), 3);
    for (const auto& asked : m_prompter.asked) {
        EXPECT_EQ(asked.text, "Are you sure to stop converting?");
        EXPECT_EQ(asked.caption, "Confirm");
        EXPECT_EQ(asked.buttons, Prompter::Buttons::YesNo);
    }
    // Yes: the dialog stays until the file being converted is written.
    EXPECT_TRUE(m_dialog->isVisible());
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_FALSE(m_dialog->isVisible());
    EXPECT_EQ(m_dialog->result(), QDialog::Rejected);
    EXPECT_EQ(outputs(), QStringList{"large.tif"});
    EXPECT_EQ(PictureDecoder::decode(m_out.filePath("large.tif"))->image.size(), QSize(2000, 1500));
}

} // namespace
} // namespace montora
