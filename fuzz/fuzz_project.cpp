// Project files: the header, the items, the custom masks photos carry and the
// block of pixel pictures. Whatever opens must also save and open again.
#include "fuzz_support.h"

#include "base/binary_reader.h"
#include "canvas/collage_project.h"
#include "canvas/library_resources.h"
#include "project/project_file_reader.h"
#include "project/project_file_writer.h"

MONTORA_FUZZ_INITIALISE

using namespace montora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::clearScratch();
    LibraryResources resources(fuzz::scratchFolder());
    CollageProject project;
    project.setResources(&resources);
    const QString path = fuzz::writeScratch(QStringLiteral("in.mcf"), fuzz::bytesOf(data, size));
    if (!ProjectFileReader::open(project, path))
        return 0;

    for (const CanvasItem& item : project.items())
        if (const PhotoItem* photo = item.asPhoto(); photo && photo->usesCustomMask()) {
            MaskKeyBytes key;
            std::copy(std::begin(photo->customMaskKey), std::end(photo->customMaskKey), key.begin());
            (void)resources.customMaskPicture(key);
        }

    auto saved = ProjectFileWriter::encode(project);
    if (!saved)
        return 0; // e.g. a path the file held that is too long to write back
    CollageProject reopened;
    reopened.setResources(&resources);
    BinaryReader in(*saved);
    if (const Status status = ProjectFileReader::read(reopened, in); !status)
        fuzz::fail("a saved project does not open again:", status.message());
    if (reopened.itemCount() != project.itemCount())
        fuzz::fail("a saved project opens with another item count");
    return 0;
}
