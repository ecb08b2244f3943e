// The library, mask-pack and pack commands of the CLI, run as a user would.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct CliRun {
    int code;
    QString out;
    QString err;
};

class LibraryCliTest : public ::testing::Test {
protected:
    CliRun montora(QStringList args) const
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::SeparateChannels);
        // A private runtime folder keeps Qt's warning about a missing one out of stderr.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", m_dir.path());
        process.setProcessEnvironment(environment);
        process.start(MONTORA_CLI_PATH, QStringList{"--data-dir", data()} + args);
        process.waitForFinished(60000);
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    QString data() const { return m_dir.path() + "/data"; }
    QString path(const QString& name) const { return m_dir.path() + '/' + name; }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(LibraryCliTest, MaskPackListAndExtract)
{
    ASSERT_EQ(montora({"mask-pack", data()}).code, 0);
    const CliRun list = montora({"library", "list", "mask.cfg"});
    ASSERT_EQ(list.code, 0) << list.err.toStdString();
    EXPECT_TRUE(list.out.contains("layout\tpicture with mask key\ncount\t28\n"));
    EXPECT_TRUE(list.out.contains("\n27\t"));
    EXPECT_EQ(list.out.count('{'), 28); // a key per record

    const CliRun extract = montora({"library", "extract", "tbmask.cfg", "3", path("star.png"), "--tint", "FFFFFF"});
    ASSERT_EQ(extract.code, 0) << extract.err.toStdString();
    const QImage star(path("star.png"));
    EXPECT_EQ(star.width(), 120);
    const QRgb centre = star.pixel(60, star.height() / 2);
    EXPECT_EQ(qRed(centre), qBlue(centre));

    EXPECT_EQ(montora({"library", "extract", "tbmask.cfg", "28", path("none.png")}).code, 1);
    EXPECT_EQ(montora({"library", "extract", "tbmask.cfg", "1", path("x.png"), "--tint", "red"}).code, 2);
    EXPECT_EQ(montora({"library", "list", path("unknown.bin")}).code, 2);
}

TEST_F(LibraryCliTest, DamagedFileReportsWhereTheDamageStarts)
{
    ASSERT_EQ(montora({"mask-pack", data()}).code, 0);
    ASSERT_TRUE(QFile::resize(data() + "/tbmask.cfg", 4 + 8 + 120 * 90 * 4 + 100));
    const CliRun list = montora({"library", "list", "tbmask.cfg"});
    EXPECT_EQ(list.code, 1);
    EXPECT_TRUE(list.out.contains("count\t28\n0\t120\t90\n"));
    EXPECT_TRUE(list.err.contains("record 1 (offset 43212)")) << list.err.toStdString();
}

TEST_F(LibraryCliTest, PackBuildThenImportOnce)
{
    QImage picture(40, 30, QImage::Format_ARGB32);
    picture.fill(qRgba(200, 100, 50, 255));
    ASSERT_TRUE(picture.save(path("one.png")));
    ASSERT_TRUE(picture.save(path("two.png")));
    const CliRun build = montora({"pack", "build", "--kind", "clipart", "--out", path("art.irs"), path("one.png"),
                               path("two.png")});
    ASSERT_EQ(build.code, 0) << build.err.toStdString();
    // A pack that is not there is not recorded as imported.
    EXPECT_EQ(montora({"pack", "import", path("later/art.irs")}).code, 1);
    const CliRun first = montora({"pack", "import", path("art.irs")});
    ASSERT_EQ(first.code, 0) << first.err.toStdString();
    EXPECT_TRUE(first.out.contains("imported\t2 of 2\nrefresh\tcliparts"));
    const CliRun second = montora({"pack", "import", path("art.irs")});
    EXPECT_EQ(second.code, 1);
    EXPECT_EQ(second.err, "Already in the library.\n");
    EXPECT_TRUE(montora({"library", "list", "clipart.cfg"}).out.contains("count\t2\n"));

    EXPECT_EQ(montora({"pack", "build", "--kind", "sticker", "--out", path("x.irs"), path("one.png")}).code, 2);
    EXPECT_EQ(montora({"pack", "build", "--kind", "frame", "--insets", "0.9,0,0.1,1", "--out", path("x.irs"),
                       path("one.png")})
                  .code,
              2);
    // An opaque frame without insets has no opening to find.
    EXPECT_EQ(montora({"pack", "build", "--kind", "frame", "--out", path("x.irs"), path("one.png")}).code, 1);
    EXPECT_FALSE(QFile::exists(path("x.irs")));
}
