#include "language/lang_file_cipher.h"

#include "language/lang_file_segment.h"

#include <cstring>
#include <span>

namespace montora {

namespace {

std::span<std::uint8_t> bytesOf(QByteArray& array, qint64 count)
{
    return {reinterpret_cast<std::uint8_t*>(array.data()), static_cast<std::size_t>(count)};
}

enum class Direction { Encipher, Decipher };

// Runs every segment of `bytes` in place through one direction of the cipher.
void processSegments(std::span<std::uint8_t> bytes, Direction direction)
{
    constexpr std::size_t kSegment = LangFileSegment::kFullSize;
    const std::size_t fullSegments = bytes.size() / kSegment;
    for (std::size_t s = 0; s < fullSegments; ++s) {
        auto segment = bytes.subspan(s * kSegment).first<kSegment>();
        if (direction == Direction::Encipher)
            LangFileSegment::encipherFull(segment);
        else
            LangFileSegment::decipherFull(segment);
    }
    const std::size_t remainder = bytes.size() % kSegment;
    if (remainder > 0) {
        auto segment = bytes.subspan(fullSegments * kSegment, remainder);
        if (direction == Direction::Encipher)
            LangFileSegment::encipherRemainder(segment);
        else
            LangFileSegment::decipherRemainder(segment);
    }
}

} // namespace

Status LangFileCipher::checkLength(qint64 length)
{
    if (length > kTableBlockSize)
        return Status::error(QStringLiteral("The language file is %1 bytes long; at most %2 bytes fit the language table.")
                                 .arg(length)
                                 .arg(kTableBlockSize));
    const qint64 remainder = length % kSegmentSize;
    if (remainder > 0 && remainder < kMinimumRemainder)
        return Status::error(QStringLiteral("The language file ends in a %1-byte piece; a piece shorter than %2 "
                                            "bytes cannot be deciphered.")
                                 .arg(remainder)
                                 .arg(kMinimumRemainder));
    return Status::ok();
}

Result<QByteArray> LangFileCipher::decipher(const QByteArray& file)
{
    MONTORA_TRY(checkLength(file.size()));
    QByteArray table(kTableBlockSize, '\0');
    std::memcpy(table.data(), file.constData(), static_cast<std::size_t>(file.size()));
    processSegments(bytesOf(table, file.size()), Direction::Decipher);
    return table;
}

Result<QByteArray> LangFileCipher::encipher(const QByteArray& plain)
{
    MONTORA_TRY(checkLength(plain.size()));
    QByteArray file = plain;
    processSegments(bytesOf(file, file.size()), Direction::Encipher);
    return file;
}

} // namespace montora
