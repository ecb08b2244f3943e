#include "text/text_style_record.h"

#include "base/binary_reader.h"
#include "base/binary_writer.h"

#include <gtest/gtest.h>

#include <cstring>

namespace montora {
namespace {

TextStyleRecord sampleRecord()
{
    TextStyleRecord record;
    record.font.lfHeight = 48;
    record.font.lfWidth = -3;
    record.font.lfWeight = 700;
    record.font.lfItalic = 1;
    record.font.lfPitchAndFamily = 0x22;
    EXPECT_TRUE(record.font.setFaceName("Liberation Sans"));
    record.setText("Hi\r\nthere");
    record.style = 5;
    record.creationOrdinal = 7;
    record.angle = 12.5f;
    record.width = 210;
    record.height = 111;
    record.scale = 1.5f;
    record.colour1 = colorRef(198, 25, 0);
    record.colour2 = colorRef(255, 255, 0);
    record.selected = 1;
    record.screenBox = {10, 20, 325, 186};
    record.transparency = 0.25f;
    record.left = 105;
    record.top = -55;
    record.dragLeft = 90;
    record.dragTop = 44;
    record.regionIndex = -1;
    return record;
}

// The bytes a text item must have in a project file, written field by field.
QByteArray expectedBytes()
{
    QByteArray bytes;
    BinaryWriter out(bytes);
    out.writeI32(48);
    out.writeI32(-3);
    out.writeI32(0);
    out.writeI32(0);
    out.writeI32(700);
    out.writeRaw("\x01\x00\x00\x00\x00\x00\x00\x22", 8);
    QByteArray face("Liberation Sans");
    face.resize(32, '\0');
    out.writeBytes(face);
    QByteArray text("Hi\r\nthere");
    text.resize(1000, '\0');
    out.writeBytes(text);
    out.writeI32(5);
    out.writeI32(7);
    out.writeI32(0);
    out.writeF32(12.5f);
    out.writeI32(210);
    out.writeI32(111);
    out.writeF32(1.5f);
    out.writeU32(0x000019C6);
    out.writeU32(0x0000FFFF);
    out.writeI32(1);
    for (int v : {10, 20, 325, 186})
        out.writeI32(v);
    out.writeF32(0.25f);
    for (int v : {105, -55, 90, 44, -1, 0})
        out.writeI32(v);
    return bytes;
}

TEST(TextStyleRecordTest, LayoutMatchesStoredBytesExactly)
{
    const QByteArray expected = expectedBytes();
    ASSERT_EQ(expected.size(), 1144);

    QByteArray written;
    BinaryWriter writer(written);
    writer.writeRecord(sampleRecord());
    ASSERT_TRUE(writer.status());
    EXPECT_EQ(written.toHex(), expected.toHex());

    TextStyleRecord read;
    BinaryReader reader(expected);
    ASSERT_TRUE(reader.readRecord(read));
    EXPECT_EQ(std::memcmp(&read, written.constData(), sizeof read), 0);
    EXPECT_EQ(read.text(), "Hi\r\nthere");
    EXPECT_EQ(read.font.faceName(), "Liberation Sans");
}

TEST(TextStyleRecordTest, ShortRecordIsAnErrorNotZeros)
{
    QByteArray bytes = expectedBytes();
    bytes.chop(1);
    TextStyleRecord read;
    BinaryReader reader(bytes);
    EXPECT_FALSE(reader.readRecord(read));
}

TEST(TextStyleRecordTest, TextIsCutAt999BytesOnCharacterBoundaries)
{
    TextStyleRecord record;
    record.setText(QString(1000, 'x'));
    EXPECT_EQ(record.text(), QString(999, 'x'));
    EXPECT_EQ(record.textBytes[999], '\0');

    // 998 ASCII bytes then a two-byte character: it no longer fits and is dropped whole.
    record.setText(QString(998, 'a') + QChar(0x00E9) + "z");
    EXPECT_EQ(record.text(), QString(998, 'a'));

    record.setText("line one\r\nline two");
    EXPECT_EQ(record.text(), "line one\r\nline two");
}

TEST(TextStyleRecordTest, OldFilesWithWindows1252TextStillRead)
{
    TextStyleRecord record;
    std::strcpy(record.textBytes, "Caf\xe9 \x80");
    EXPECT_EQ(record.text(), QString::fromUtf8("Caf\u00e9 \u20ac"));
}

TEST(TextStyleRecordTest, FaceNameThatDoesNotFitIsRefused)
{
    FontRecord font;
    ASSERT_TRUE(font.setFaceName("DejaVu Sans"));
    EXPECT_FALSE(font.setFaceName(QString(32, 'F')));
    EXPECT_EQ(font.faceName(), "DejaVu Sans");
    EXPECT_TRUE(font.setFaceName(QString(31, 'F')));
}

TEST(TextStyleRecordTest, AlphaFollowsTransparency)
{
    TextStyleRecord record;
    const struct {
        float transparency;
        int alpha;
    } cases[] = {{0.0f, 255}, {0.5f, 127}, {1.0f, 0}, {0.29f, 181}, {-2.0f, 255}, {7.0f, 0}, {NAN, 255}};
    for (const auto& c : cases) {
        record.transparency = c.transparency;
        EXPECT_EQ(record.alpha(), c.alpha) << c.transparency;
    }
    record.transparency = 0.5f;
    record.colour1 = colorRef(0x12, 0x34, 0x56);
    EXPECT_EQ(record.colour1WithAlpha(), QColor(0x12, 0x34, 0x56, 127));
}

} // namespace
} // namespace montora
