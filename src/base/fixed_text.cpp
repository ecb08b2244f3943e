#include "base/fixed_text.h"

#include <QStringDecoder>

#include <cstring>

namespace montora {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; 0 marks the five unassigned codes.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

} // namespace

bool FixedText::isValidUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString unused = decoder.decode(bytes);
    return !decoder.hasError();
}

QString FixedText::fromWindows1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        char16_t unit = byte;
        if (byte >= 0x80 && byte < 0xA0)
            unit = kCp1252High[byte - 0x80] ? kCp1252High[byte - 0x80] : char16_t(0xFFFD);
        text.append(QChar(unit));
    }
    return text;
}

QByteArray FixedText::cutUtf8(const QByteArray& bytes, int maxBytes)
{
    if (bytes.size() <= maxBytes)
        return bytes;
    int end = qMax(0, maxBytes);
    while (end > 0 && isContinuationByte(bytes[end]))
        --end;
    return bytes.left(end);
}

QString FixedText::decode(const char* field, int fieldSize)
{
    const int length = int(strnlen(field, size_t(qMax(0, fieldSize))));
    const QByteArray bytes(field, length);
    return isValidUtf8(bytes) ? QString::fromUtf8(bytes) : fromWindows1252(bytes);
}

Result<QByteArray> FixedText::encode(const QString& text, int fieldSize, Overflow overflow)
{
    QByteArray utf8 = text.toUtf8();
    // An embedded NUL would end the field early when it is read back.
    if (int nul = utf8.indexOf('\0'); nul >= 0)
        utf8.truncate(nul);
    const int capacity = fieldSize - 1;
    if (utf8.size() > capacity) {
        if (overflow == Overflow::Refuse)
            return Result<QByteArray>::error(
                QStringLiteral("\"%1\" is too long: at most %2 bytes fit.").arg(text).arg(capacity));
        utf8 = cutUtf8(utf8, capacity);
    }
    QByteArray field(fieldSize, '\0');
    std::memcpy(field.data(), utf8.constData(), size_t(utf8.size()));
    return field;
}

void FixedText::encodeInto(const QString& text, char* field, int fieldSize)
{
    const QByteArray bytes = encode(text, fieldSize, Overflow::Cut).value();
    std::memcpy(field, bytes.constData(), size_t(fieldSize));
}

} // namespace montora
