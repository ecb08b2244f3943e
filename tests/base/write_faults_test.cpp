// Every writer of the program under failing writes: a disk that fills up after
// any number of bytes, a sync or a rename that fails, and a crash at any point.
// A failed whole-file write leaves the old file (or none) byte for byte and no
// temporary file; a failed append leaves every library file as it was; after a
// crash each whole file is the old or the new one and each library file's count
// equals the records it holds.
#include "base/atomic_file.h"
#include "base/write_faults.h"
#include "app/recent_projects.h"
#include "app/recovery_file.h"
#include "canvas/collage_exporter.h"
#include "canvas/collage_project.h"
#include "canvas/library_resources.h"
#include "imaging/picture_saver.h"
#include "library/imported_pack_list.h"
#include "library/library_file.h"
#include "library/library_files.h"
#include "library/mask_library.h"
#include "library/photo_list.h"
#include "library/resource_pack.h"
#include "library/resource_pack_builder.h"
#include "library/resource_pack_importer.h"
#include "platform/resource_extractor.h"
#include "project/project_file_reader.h"
#include "project/project_file_writer.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>

#include <functional>
#include <map>
#include <set>

using namespace montora;
using namespace montora::test;

namespace {

using Snapshot = std::map<QString, QByteArray>; // relative path: bytes

Snapshot snapshotOf(const QString& folder)
{
    Snapshot files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[QDir(folder).relativeFilePath(path)] = readFileBytes(path);
    }
    return files;
}

bool isTemporary(const QString& name) { return name.contains(QLatin1String(AtomicFile::kTemporarySuffix)); }

// How a file that is appended to is read: what its readers see (its count, its
// names), or why they cannot read it.
using AppendedReader = std::function<QString(const QString& path)>;

AppendedReader library(LibraryLayout layout)
{
    return [layout](const QString& path) {
        const LibraryListing listing = LibraryFile(path, layout).list();
        return listing.damage ? QString::number(listing.count) + " records" : "damaged: " + listing.damage.message();
    };
}

QString packNames(const QString& path)
{
    const auto names = ImportedPackList(path).names();
    return names ? names->join(u',') : "damaged: " + names.message();
}

struct WriterCase {
    const char* name;
    std::function<void(const QString& folder)> prepare; // the old files
    std::function<Status(const QString& folder)> write;
    std::map<QString, AppendedReader> appended = {};
    // Files kept only to speed up reading others: their writer may fail and the
    // write still succeed, and a failed write may leave them old or new.
    std::set<QString> caches = {};
};

// A folder's files as the tests compare them: appended files by what their
// readers see (record keys are random), the others byte for byte.
struct FolderState {
    QString folder;
    Snapshot files;

    bool same(const FolderState& other, const QString& name, const WriterCase& c) const
    {
        if (files.count(name) != other.files.count(name))
            return false;
        const auto appended = c.appended.find(name);
        if (!files.count(name) || appended == c.appended.end())
            return !files.count(name) || files.at(name) == other.files.at(name);
        const QString seen = appended->second(folder + name);
        EXPECT_FALSE(seen.startsWith("damaged")) << name.toStdString() << ": " << seen.toStdString();
        return seen == appended->second(other.folder + name);
    }
};

void copyFolder(const QString& from, const QString& to)
{
    for (const auto& [name, bytes] : snapshotOf(from)) {
        QDir().mkpath(QFileInfo(to + name).absolutePath());
        ASSERT_TRUE(writeFileBytes(to + name, bytes));
    }
}

class WriteFaultsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        inputs = new QTemporaryDir;
        ASSERT_TRUE(quadrantImage(40, 30).save(inputs->filePath("a.png")));
        ASSERT_TRUE(seededImage(24, 18, 3, true).save(inputs->filePath("b.png")));
    }
    static void TearDownTestSuite() { delete inputs; }
    static QString input(const char* name) { return inputs->filePath(QLatin1String(name)); }

    void TearDown() override { WriteFaults::disarm(); }

    static void check(const WriterCase& c);

    static QTemporaryDir* inputs;
};

QTemporaryDir* WriteFaultsTest::inputs = nullptr;

// Room for no byte, one byte and all but one byte of each write that lengthens a file.
std::set<qint64> byteLimits(const WriteFaults::Tally& tally)
{
    std::set<qint64> limits;
    qint64 at = 0;
    for (const qint64 growth : tally.writes) {
        if (growth > 0)
            limits.insert(at);
        if (growth > 1)
            limits.insert({at + 1, at + growth - 1});
        at += growth;
    }
    return limits;
}

// Runs the case's write under `plan` in a fresh copy of the old files.
Status runUnder(const WriterCase& c, const QString& old, const WriteFaults::Plan& plan, const QString& folder,
                WriteFaults::Tally* tally = nullptr)
{
    copyFolder(old, folder);
    WriteFaults::arm(plan);
    const Status status = c.write(folder);
    if (tally)
        *tally = WriteFaults::tally();
    WriteFaults::disarm();
    return status;
}

void WriteFaultsTest::check(const WriterCase& c)
{
    SCOPED_TRACE(c.name);
    QTemporaryDir oldDir, newDir;
    const QString old = oldDir.path() + u'/';
    c.prepare(old);
    const FolderState before{old, snapshotOf(old)};
    WriteFaults::Tally tally;
    const Status written = runUnder(c, old, WriteFaults::Plan(), newDir.path() + u'/', &tally);
    ASSERT_TRUE(written.isOk()) << written.message().toStdString();
    const FolderState after{newDir.path() + u'/', snapshotOf(newDir.path())};
    ASSERT_NE(before.files, after.files) << "the case writes nothing";
    ASSERT_FALSE(tally.writes.empty());

    std::vector<std::pair<std::string, WriteFaults::Plan>> failures;
    for (const qint64 limit : byteLimits(tally))
        failures.push_back({"after " + std::to_string(limit) + " bytes", {.failAfterBytes = limit}});
    for (int write = 1; write <= int(tally.writes.size()); ++write)
        failures.push_back({"at write " + std::to_string(write), {.failWrite = write}});
    for (int sync = 1; sync <= tally.syncs; ++sync)
        failures.push_back({"at sync " + std::to_string(sync), {.failSync = sync}});
    for (int rename = 1; rename <= tally.renames; ++rename)
        failures.push_back({"at rename " + std::to_string(rename), {.failRename = rename}});

    for (const auto& [when, plan] : failures) {
        for (const bool crash : {false, true}) {
            SCOPED_TRACE(when + (crash ? ", then a crash" : ""));
            QTemporaryDir dir;
            WriteFaults::Plan armed = plan;
            armed.stopAtFailure = crash; // nothing after the failure reaches the disk, clean-up included
            const Status status = runUnder(c, old, armed, dir.path() + u'/');
            const FolderState left{dir.path() + u'/', snapshotOf(dir.path())};
            std::set<QString> names;
            for (const FolderState* state : {&before, &after, &left})
                for (const auto& [name, bytes] : state->files)
                    names.insert(name);
            for (const QString& name : names) {
                SCOPED_TRACE(name.toStdString());
                const bool asOld = left.same(before, name, c), done = left.same(after, name, c);
                if (crash) {
                    if (!isTemporary(name)) {
                        EXPECT_TRUE(asOld || done) << "a crash left a half-written file";
                    }
                } else if (c.caches.count(name)) {
                    EXPECT_TRUE(asOld || done);
                } else if (status) { // only a cache failed
                    EXPECT_TRUE(done) << "a failed write was reported as done";
                } else {
                    EXPECT_TRUE(asOld && left.files.count(name) == before.files.count(name)
                                && (!before.files.count(name) || left.files.at(name) == before.files.at(name)))
                        << "a failed write changed the file: " << status.message().toStdString();
                }
            }
        }
    }
}

CollageProject collage(const QString& picture)
{
    CollageProject project;
    EXPECT_TRUE(project.setSize(200, 160).isOk());
    EXPECT_TRUE(project.addPhoto(picture, ViewPoint::atCollage(QPoint(20, 20))).isOk());
    EXPECT_TRUE(project.addText().isOk());
    return project;
}

void saveProject(const QString& path, const QString& picture)
{
    CollageProject project = collage(picture);
    ASSERT_TRUE(ProjectFileWriter::save(project, path).isOk());
}

void buildPack(ResourceKind kind, const QString& path, const QStringList& pictures)
{
    const auto insets = kind == ResourceKind::Frames ? std::optional(FrameInsets{0.1f, 0.1f, 0.9f, 0.9f}) : std::nullopt;
    const Status built = ResourcePackBuilder::build(kind, pictures, insets, path);
    ASSERT_TRUE(built.isOk()) << built.message().toStdString();
}

void builtInMasks(const QString& folder) { ASSERT_TRUE(MaskLibrary(folder).ensureBuiltInMasks().isOk()); }

const std::map<QString, AppendedReader> maskFiles = {
    {LibraryFiles::kMasks, library(LibraryLayout::PictureWithKey)},
    {LibraryFiles::kMaskThumbnails, library(LibraryLayout::Thumbnail)},
    {LibraryFiles::kCustomMasks, library(LibraryLayout::PictureWithKey)}};

// The files of an import: the kind's libraries and the list of imported packs.
std::map<QString, AppendedReader> importFiles(std::map<QString, AppendedReader> libraries)
{
    libraries[LibraryFiles::kImportedPacks] = packNames;
    return libraries;
}

} // namespace

TEST_F(WriteFaultsTest, ProjectFilesAndWhatTheyBringAlong)
{
    const QString a = input("a.png");
    check({"a new project", [](const QString&) {},
           [&](const QString& folder) {
               CollageProject project = collage(a);
               return ProjectFileWriter::save(project, folder + "new.mcf");
           }});
    check({"a project saved over its old file", [&](const QString& folder) { saveProject(folder + "p.mcf", a); },
           [&](const QString& folder) {
               CollageProject project = collage(input("b.png"));
               return ProjectFileWriter::save(project, folder + "p.mcf");
           }});
    check({"the recovery copy", [&](const QString& folder) { ASSERT_TRUE(RecoveryFile(folder).write("old")); },
           [&](const QString& folder) {
               auto bytes = ProjectFileWriter::encode(collage(a));
               return bytes ? RecoveryFile(folder).write(*bytes) : bytes.status();
           }});
    // Opening a project whose photo carries a custom mask adds the mask to the copy;
    // as the copy is a cache, the open succeeds whether or not that write does.
    check({"a project's custom mask joins the library",
           [&](const QString& folder) {
               QTemporaryDir elsewhere;
               const QString other = elsewhere.path() + u'/';
               LibraryResources resources(other);
               CollageProject project;
               project.setResources(&resources);
               ASSERT_TRUE(project.addPhoto(a, ViewPoint::atCollage(QPoint(20, 20))).isOk());
               ASSERT_TRUE(MaskLibrary(other).addCustomMask(QImage(input("b.png"))).isOk());
               ASSERT_TRUE(project.setMask(*MaskLibrary(other).count() - 1).isOk());
               ASSERT_TRUE(ProjectFileWriter::save(project, folder + "masked.mcf").isOk());
               builtInMasks(folder);
               ASSERT_TRUE(MaskLibrary(folder).addCustomMask(QImage(a)).isOk());
           },
           [](const QString& folder) {
               LibraryResources resources(folder);
               CollageProject project;
               project.setResources(&resources);
               return ProjectFileReader::open(project, folder + "masked.mcf");
           },
           maskFiles,
           {LibraryFiles::kCustomMasks}});
}

TEST_F(WriteFaultsTest, LibraryFilesAndLists)
{
    check({"a library append", [](const QString& folder) { builtInMasks(folder); },
           [](const QString& folder) {
               LibraryRecord record;
               record.width = 2;
               record.height = 1;
               record.payload = QByteArray(8, 'x');
               return LibraryFile(folder + LibraryFiles::kMaskThumbnails, LibraryLayout::Thumbnail)
                   .append({record, record});
           },
           maskFiles});
    check({"a custom mask", [](const QString& folder) { builtInMasks(folder); },
           [&](const QString& folder) { return MaskLibrary(folder).addCustomMask(input("a.png")).status(); },
           maskFiles, {LibraryFiles::kCustomMasks}});
    check({"the mask library reset",
           [&](const QString& folder) {
               builtInMasks(folder);
               ASSERT_TRUE(MaskLibrary(folder).addCustomMask(input("a.png")).isOk());
           },
           [](const QString& folder) { return MaskLibrary(folder).reset(); }, maskFiles});
    check({"the photo list and the custom-mask copy it rebuilds",
           [&](const QString& folder) {
               builtInMasks(folder);
               ASSERT_TRUE(MaskLibrary(folder).addCustomMask(input("a.png")).isOk());
               PhotoList list;
               list.entries().push_back({*PhotoListRecord::forPath(input("a.png")), QByteArray("old")});
               ASSERT_TRUE(list.save(folder).isOk());
           },
           [&](const QString& folder) {
               PhotoList list;
               list.entries().push_back({*PhotoListRecord::forPath(input("b.png")), QByteArray("new thumbnail")});
               return list.save(folder);
           },
           maskFiles, {LibraryFiles::kCustomMasks}});
    check({"the recent projects", [](const QString& folder) { ASSERT_TRUE(RecentProjects(folder).add("/old.mcf").isOk()); },
           [](const QString& folder) {
               RecentProjects recent(folder);
               recent.load();
               return recent.add("/new.mcf");
           }});
    const auto recordNames = [](const QString& folder) {
        const ImportedPackList list(folder + LibraryFiles::kImportedPacks);
        for (const char* name : {"first.irs", "second.irs"})
            ASSERT_TRUE(list.checkAndRecord(QLatin1String(name)).isOk());
    };
    check({"a pack name recorded", recordNames,
           [](const QString& folder) {
               return ImportedPackList(folder + LibraryFiles::kImportedPacks).checkAndRecord("third.irs").status();
           },
           importFiles({})});
    check({"a pack name taken out of the middle", recordNames, [](const QString& folder) {
               return ImportedPackList(folder + LibraryFiles::kImportedPacks).forget("first.irs");
           }});
}

TEST_F(WriteFaultsTest, PacksExportsAndPictures)
{
    const QStringList pictures = {input("a.png"), input("b.png")};
    const auto importing = [&](ResourceKind kind) {
        return [kind, pictures](const QString& folder) {
            buildPack(kind, folder + "old.irs", pictures.mid(0, 1));
            buildPack(kind, folder + "new.irs", pictures);
            if (kind == ResourceKind::Masks)
                builtInMasks(folder);
            ASSERT_EQ(ResourcePackImporter(folder).import(folder + "old.irs").outcome,
                      PackImportResult::Outcome::Imported);
        };
    };
    const auto import = [](const QString& folder) {
        const PackImportResult result = ResourcePackImporter(folder).import(folder + "new.irs");
        return result.outcome == PackImportResult::Outcome::Imported ? Status::ok() : Status::error(result.message);
    };
    check({"a frame pack import", importing(ResourceKind::Frames), import,
           importFiles({{LibraryFiles::kFrames, library(LibraryLayout::PictureWithInsets)},
                        {LibraryFiles::kFrameThumbnails, library(LibraryLayout::Thumbnail)}})});
    check({"a mask pack import", importing(ResourceKind::Masks), import, importFiles(maskFiles)});
    check({"a clipart pack import", importing(ResourceKind::Cliparts), import,
           importFiles({{LibraryFiles::kClipart, library(LibraryLayout::Thumbnail)}})});
    check({"a pack built", [&](const QString& folder) { buildPack(ResourceKind::Decorations, folder + "d.irs", pictures); },
           [&](const QString& folder) {
               return ResourcePackBuilder::build(ResourceKind::Decorations, pictures.mid(1), std::nullopt, folder + "d.irs");
           }});

    for (const char* extension : {"png", "pdf"})
        check({extension,
               [&](const QString& folder) {
                   ASSERT_TRUE(writeFileBytes(folder + "out." + extension, "old export"));
               },
               [&](const QString& folder) {
                   CollageExporter exporter;
                   return exporter.exportTo(collage(input("a.png")), folder + "out." + extension, ExportOptions());
               }});
    for (const char* extension : {"jpg", "tga"}) // Qt's writer and the image library's
        check({extension, [](const QString&) {},
               [&](const QString& folder) {
                   return PictureSaver::saveByExtension(quadrantImage(16, 12), folder + "picture." + extension);
               }});
    check({"a resource copied out", [](const QString&) {},
           [](const QString& folder) { return ResourceExtractor::extractToFile(":/masks/tbmask.cfg", folder + "t.cfg"); }});
}
