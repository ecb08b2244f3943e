// The plain-text form of the language file ("N: text" lines), as the build tool
// and `montora lang encode` read it: what parses must build a block that
// enciphers and deciphers back to the same texts.
#include "fuzz_support.h"

#include "language/lang_file_cipher.h"
#include "language/language_table.h"
#include "language/language_text_file.h"

MONTORA_FUZZ_INITIALISE

using namespace montora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(fuzz::bytesOf(data, size));
    auto texts = LanguageTextFile::parse(text);
    if (!texts)
        return 0;
    auto block = LanguageTextFile::buildBlock(*texts);
    if (!block)
        return 0; // too long for its slot, or too many slots
    auto file = LangFileCipher::encipher(*block);
    if (!file)
        return 0;
    auto back = LangFileCipher::decipher(*file);
    if (!back)
        fuzz::fail("an enciphered language file does not decipher:", back.message());
    const LanguageTable table(*back, block->size());
    (void)LanguageTextFile::format(table);
    if (!back->startsWith(*block))
        fuzz::fail("a language file deciphers to other texts");
    return 0;
}
