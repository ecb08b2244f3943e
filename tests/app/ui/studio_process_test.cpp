// The real program under a virtual X display: a second start hands over to the
// first and exits at once, and a crashed first start does not block the next.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QUuid>

#include <functional>
#include <memory>

#include "support/test_files.h"

namespace {

class VirtualDisplay {
public:
    bool start()
    {
        const QString server = QStandardPaths::findExecutable("Xvfb");
        if (server.isEmpty() || QStandardPaths::findExecutable("xwininfo").isEmpty())
            return false;
        // Two servers starting at the same moment can both take display :0 (one reads the
        // other's lock file before its process id is in it), so starts go one at a time
        // until the server has said which display it listens on.
        QLockFile starting(QDir::temp().filePath(QStringLiteral("montora-test-xvfb-start.lock")));
        starting.lock();
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start(server, {"-displayfd", "1", "-screen", "0", "1280x800x24", "-nolisten", "tcp"});
        QDeadlineTimer deadline(15000);
        while (!m_server.canReadLine() && !deadline.hasExpired() && m_server.state() != QProcess::NotRunning)
            m_server.waitForReadyRead(100);
        const QByteArray number = m_server.readLine().trimmed();
        if (number.isEmpty())
            return false;
        m_display = ":" + QString::fromLatin1(number);
        return true;
    }
    ~VirtualDisplay()
    {
        m_server.terminate();
        m_server.waitForFinished(5000);
    }
    QString display() const { return m_display; }

private:
    QProcess m_server;
    QString m_display;
};

class StudioProcessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!m_display.start())
            GTEST_SKIP() << "Xvfb or xwininfo is not installed";
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert("DISPLAY", m_display.display());
        m_environment.insert("QT_QPA_PLATFORM", "xcb");
        m_environment.insert("MONTORA_DATA_DIR", m_data.path());
        m_environment.insert("MONTORA_INSTANCE_ID", "test-" + QUuid::createUuid().toString(QUuid::WithoutBraces));
        // libxkbcommon-x11 hands strndup a buffer that is not NUL-terminated within
        // its length; the sanitizer's strict string check flags that in the library.
        if (m_environment.contains("ASAN_OPTIONS"))
            m_environment.insert("ASAN_OPTIONS", m_environment.value("ASAN_OPTIONS") + ":strict_string_checks=0");
    }

    std::unique_ptr<QProcess> startStudio(const QStringList& arguments = {})
    {
        auto studio = std::make_unique<QProcess>();
        studio->setProcessEnvironment(m_environment);
        studio->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        studio->start(MONTORA_STUDIO_PATH, arguments);
        EXPECT_TRUE(studio->waitForStarted(5000));
        return studio;
    }

    // The windows on the display, as the X server lists them: id, title and class.
    QByteArray windowTree()
    {
        QProcess info;
        info.setProcessEnvironment(m_environment);
        info.start("xwininfo", {"-root", "-tree"});
        info.waitForFinished(5000);
        return info.readAllStandardOutput();
    }
    // Top-level windows of the program.
    int studioWindows() { return int(windowTree().count("(\"montora-studio\" \"Montora Studio\")")); }

    bool waitFor(const std::function<bool()>& done, int timeoutMs = 20000)
    {
        QDeadlineTimer deadline(timeoutMs);
        while (!done()) {
            if (deadline.hasExpired())
                return false;
            QThread::msleep(100);
        }
        return true;
    }
    bool waitForWindows(int count) { return waitFor([&] { return studioWindows() == count; }); }

    static void expectHandsOverAtOnce(QProcess& second)
    {
        ASSERT_TRUE(second.waitForFinished(10000)) << "the second start should end by itself";
        EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(second.exitCode(), 0);
    }

    VirtualDisplay m_display;
    QTemporaryDir m_data;
    QProcessEnvironment m_environment;
};

} // namespace

TEST_F(StudioProcessTest, SecondStartExitsAndTheFirstStays)
{
    auto first = startStudio();
    ASSERT_TRUE(waitForWindows(1)) << "the first start shows its window";

    // The second start hands over a project: the first has taken the hand-over
    // once its title names it, and the X server has by then seen any window that
    // the hand-over made it open.
    QTemporaryDir projects;
    const QString project = projects.filePath("handed-over.mcf");
    ASSERT_EQ(montora::test::runCli({"new", project}).exitCode, 0);
    auto second = startStudio({project});
    expectHandsOverAtOnce(*second);
    ASSERT_TRUE(waitFor([&] { return windowTree().contains("\"handed-over - Montora Studio\""); }))
        << "the first start opens what the second handed over";
    EXPECT_EQ(first->state(), QProcess::Running);
    EXPECT_EQ(studioWindows(), 1) << "the second start opened no window";

    first->terminate();
    first->waitForFinished(5000);
}

TEST_F(StudioProcessTest, CrashedInstanceDoesNotBlockTheNextStart)
{
    auto crashed = startStudio();
    ASSERT_TRUE(waitForWindows(1));
    crashed->kill();
    crashed->waitForFinished(5000);
    ASSERT_TRUE(waitForWindows(0));

    auto next = startStudio();
    ASSERT_TRUE(waitForWindows(1)) << "the next start runs despite the socket left behind";
    EXPECT_EQ(next->state(), QProcess::Running);

    auto later = startStudio();
    expectHandsOverAtOnce(*later);
    EXPECT_EQ(next->state(), QProcess::Running);

    next->terminate();
    next->waitForFinished(5000);
}
