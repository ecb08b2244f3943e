// The enciphered language file ("lang.mfd"): deciphered into the table the
// captions read. What deciphers must encipher back to the same file.
#include "fuzz_support.h"

#include "language/lang_file_cipher.h"
#include "language/language_table.h"

MONTORA_FUZZ_INITIALISE

using namespace montora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::clearScratch();
    const QByteArray file = fuzz::bytesOf(data, size);
    const QString path = fuzz::writeScratch(QStringLiteral("lang.mfd"), file);
    auto table = LanguageTable::fromFile(path);
    if (!table)
        return 0;
    for (int slot = -1; slot <= table->slotCount(); ++slot)
        (void)table->text(slot);
    auto block = LangFileCipher::decipher(file);
    if (!block)
        fuzz::fail("the table loaded a file the cipher refuses:", block.message());
    auto again = LangFileCipher::encipher(block->left(int(file.size())));
    if (!again || *again != file)
        fuzz::fail("a deciphered language file does not encipher back to itself");
    return 0;
}
