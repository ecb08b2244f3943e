// Build step: enciphers the plain-text language file into the program's built-in
// language resource. `montora lang encode` runs the same code.
#include "language/lang_file_cipher.h"
#include "language/language_text_file.h"
#include "base/atomic_file.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

using namespace montora;

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "montora-lang-producer: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return fail(QStringLiteral("usage: montora-lang-producer IN.txt OUT.mfd"));
    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: %2").arg(input.fileName(), input.errorString()));
    auto plain = LanguageTextFile::plainFromText(QString::fromUtf8(input.readAll()));
    if (!plain)
        return fail(QStringLiteral("%1: %2").arg(input.fileName(), plain.message()));
    auto file = LangFileCipher::encipher(*plain);
    if (!file)
        return fail(file.message());
    const Status written = AtomicFile::write(QString::fromLocal8Bit(argv[2]), *file);
    return written ? 0 : fail(written.message());
}
