#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace montora::fuzz {

// Starts what the readers need once per process: a Qt application on the
// offscreen platform, the image library, and a scratch folder of this process's
// own that also serves as the data folder.
void start(int* argc, char*** argv);

// The scratch folder, with its trailing separator.
const QString& scratchFolder();

// Writes the input to `name` in the scratch folder and gives its path.
QString writeScratch(const QString& name, const QByteArray& bytes);
// Empties the scratch folder, so that no input sees what an earlier one left.
void clearScratch();

inline QByteArray bytesOf(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// The first byte of an input chooses among `choices` variants (a layout, a file
// extension); the rest is the file.
struct Split {
    int choice = 0;
    QByteArray rest;
};
Split splitFirstByte(const std::uint8_t* data, std::size_t size, int choices);

// Stops the run on a broken promise of a reader, with the reason on stderr.
[[noreturn]] void fail(const char* what, const QString& detail = QString());

} // namespace montora::fuzz

#define MONTORA_FUZZ_INITIALISE                                        \
    extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)       \
    {                                                                  \
        montora::fuzz::start(argc, argv);                              \
        return 0;                                                      \
    }
