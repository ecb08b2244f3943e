// The list of imported packs ("Res_Info"): reading it, recording a name and taking
// it back out, which must leave the names that were there.
#include "fuzz_support.h"

#include "library/imported_pack_list.h"
#include "library/library_files.h"

MONTORA_FUZZ_INITIALISE

using namespace montora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::clearScratch();
    const QString path = fuzz::writeScratch(LibraryFiles::kImportedPacks, fuzz::bytesOf(data, size));
    const ImportedPackList list(path);
    const auto before = list.names();
    const QString name = QStringLiteral("new pack.irs");
    const auto check = list.checkAndRecord(name);
    if (!before || !check)
        return 0;
    const auto during = list.names();
    if (!during || !during->contains(name))
        fuzz::fail("a recorded name is not listed");
    if (*check == ImportedPackList::Check::AlreadyInLibrary)
        return 0;
    if (const Status forgotten = list.forget(name); !forgotten)
        fuzz::fail("a recorded name could not be taken out:", forgotten.message());
    const auto after = list.names();
    const QStringList expected = before->isEmpty() ? QStringList() : *before;
    if (!after || *after != expected)
        fuzz::fail("taking a name out changed the other names");
    return 0;
}
