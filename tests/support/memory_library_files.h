#pragma once

#include "app/startup_library_files.h"

#include <vector>

namespace montora::test {

// Library files for a main window under test: the photo entries stay in memory,
// nothing is installed or saved.
class MemoryLibraryFiles : public StartupLibraryFiles {
public:
    Status installMaskPack(const QString&) override { return Status::ok(); }
    void loadPhotoList(const QString&) override {}
    Status savePhotoList(const QString&) override { return Status::ok(); }
    std::vector<PhotoListEntry>* photoEntries() override { return &entries; }
    std::vector<PhotoListEntry> entries;
};

} // namespace montora::test
