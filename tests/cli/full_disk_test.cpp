// Every command that writes a file, run on a small file system that is full:
// it fails with the cause, the file it would have replaced is unchanged, and no
// temporary file stays behind.
#include "support/small_disk.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include <vector>

using namespace montora::test;

namespace {

struct FullDiskCase {
    const char* name;
    std::vector<QStringList> prepare; // run while there is space
    QStringList command;              // run on the full disk
    QStringList kept;                 // files on the small disk that must not change (or appear)
    int diskKilobytes = 64;
    bool retryAfterRelease = false;
};

// "@D/" is the small disk, "@T/" a folder elsewhere holding the inputs.
QStringList expand(const QStringList& args, const SmallDisk& disk, const QTemporaryDir& inputs)
{
    QStringList expanded = {"--data-dir", disk.path("data")};
    for (QString arg : args)
        expanded << arg.replace("@D/", disk.path() + '/').replace("@T/", inputs.path() + '/');
    return expanded;
}

struct FileState {
    bool exists;
    QByteArray bytes;
    bool operator==(const FileState&) const = default;
};

FileState stateOf(const QString& path) { return {QFileInfo::exists(path), readFileBytes(path)}; }

const std::vector<FullDiskCase>& cases()
{
    const QStringList newProject = {"new", "@D/p.mcf"};
    const QStringList clipartPack = {"pack", "build", "--kind", "clipart", "--out", "@T/art.irs", "@T/a.jpg", "@T/b.jpg"};
    static const std::vector<FullDiskCase> all = {
        {"new over a project", {newProject}, {"new", "@D/p.mcf", "--size", "800x600"}, {"p.mcf"}},
        {"add-photo", {newProject}, {"add-photo", "@D/p.mcf", "@T/a.jpg"}, {"p.mcf"}},
        {"add-text", {newProject}, {"add-text", "@D/p.mcf", "Hello"}, {"p.mcf"}},
        {"render", {newProject, {"render", "@D/p.mcf", "@D/out.png", "--zoom", "0.1"}},
         {"render", "@D/p.mcf", "@D/out.png", "--zoom", "0.2"}, {"out.png"}},
        {"picture convert by Qt", {{"picture", "convert", "@T/a.jpg", "@D/out.png"}},
         {"picture", "convert", "@T/b.jpg", "@D/out.png"}, {"out.png"}},
        {"picture convert by the image library", {{"picture", "convert", "@T/a.jpg", "@D/out.tga"}},
         {"picture", "convert", "@T/b.jpg", "@D/out.tga"}, {"out.tga"}},
        {"picture thumbnail", {{"picture", "thumbnail", "@T/a.jpg", "@D/t.jpg"}},
         {"picture", "thumbnail", "@T/b.jpg", "@D/t.jpg"}, {"t.jpg"}},
        {"photos add", {{"photos", "add", "@T/a.jpg"}}, {"photos", "add", "@T/b.jpg"}, {"data/srcmedia.cfg"}},
        {"photos add with custom masks",
         {{"mask-pack", "@D/data"},
          {"pack", "build", "--kind", "mask", "--out", "@T/m.irs", "@T/a.jpg"},
          {"pack", "import", "@T/m.irs"},
          {"photos", "add", "@T/a.jpg"}},
         {"photos", "add", "@T/b.jpg"},
         {"data/srcmedia.cfg", "data/cusmask.cfg"},
         4096},
        {"first pack import", {clipartPack}, {"pack", "import", "@T/art.irs"}, {"data/Res_Info", "data/clipart.cfg"},
         64, true},
        {"pack import onto a library",
         {{"pack", "build", "--kind", "clipart", "--out", "@T/one.irs", "@T/a.jpg"}, {"pack", "import", "@T/one.irs"},
          clipartPack},
         {"pack", "import", "@T/art.irs"},
         {"data/Res_Info", "data/clipart.cfg"},
         64,
         true},
    };
    return all;
}

TEST(FullDisk, EveryWriterFailsWithTheCauseAndKeepsTheOldFile)
{
    QTemporaryDir inputs;
    ASSERT_TRUE(quadrantImage(40, 30).save(inputs.filePath("a.jpg"), "JPEG"));
    ASSERT_TRUE(seededImage(48, 36, 7).save(inputs.filePath("b.jpg"), "JPEG"));
    for (const FullDiskCase& c : cases()) {
        SCOPED_TRACE(c.name);
        SmallDisk disk(c.diskKilobytes);
        MONTORA_NEED_SMALL_DISK(disk);
        for (const QStringList& step : c.prepare) {
            const ToolRun prepared = runCli(expand(step, disk, inputs));
            ASSERT_EQ(prepared.exitCode, 0) << step.join(' ').toStdString() << ": " << prepared.err.toStdString();
        }
        std::vector<FileState> before;
        for (const QString& file : c.kept)
            before.push_back(stateOf(disk.path(file)));
        disk.fill();

        const ToolRun run = runCli(expand(c.command, disk, inputs));
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains("No space left on device")) << run.err.toStdString();
        EXPECT_FALSE(run.out.contains("added")) << run.out.toStdString();
        for (qsizetype i = 0; i < c.kept.size(); ++i)
            EXPECT_TRUE(stateOf(disk.path(c.kept[i])) == before[size_t(i)]) << c.kept[i].toStdString();
        EXPECT_EQ(disk.leftovers(), QStringList());

        if (c.retryAfterRelease) {
            disk.release();
            const ToolRun retried = runCli(expand(c.command, disk, inputs));
            EXPECT_EQ(retried.exitCode, 0) << retried.err.toStdString();
        }
    }
}

} // namespace
