// `montora lang encode|decode`: the language file "lang.mfd" as the build makes it
// and the program reads it.
#include "cli/cli_command.h"

#include "language/lang_file_cipher.h"
#include "language/language_table.h"
#include "language/language_text_file.h"
#include "base/atomic_file.h"

#include <QFile>

namespace montora::cli {

namespace {

const char* kLangUsage =
    "Usage: montora lang encode IN.txt OUT.mfd\n"
    "       montora lang decode IN.mfd\n"
    "encode: enciphers a plain-text language file (\"SLOT: text\" lines, '#' comments) into a language file.\n"
    "decode: deciphers a language file and prints its slots as \"N: text\" lines.";

int encode(CliContext& context)
{
    if (context.args.size() != 2)
        return usageError(context, "lang encode needs IN.txt and OUT.mfd", kLangUsage);
    QFile input(context.args[0]);
    if (!input.open(QIODevice::ReadOnly)) {
        context.err << "montora: " << input.fileName() << ": " << input.errorString() << "\n";
        return kFailure;
    }
    auto plain = LanguageTextFile::plainFromText(QString::fromUtf8(input.readAll()));
    if (!plain) {
        context.err << "montora: " << input.fileName() << ": " << plain.message() << "\n";
        return kFailure;
    }
    auto file = LangFileCipher::encipher(*plain);
    const Status written = file ? AtomicFile::write(context.args[1], *file) : file.status();
    if (!written) {
        context.err << "montora: " << context.args[1] << ": " << written.message() << "\n";
        return kFailure;
    }
    return kSuccess;
}

int decode(CliContext& context)
{
    if (context.args.size() != 1)
        return usageError(context, "lang decode needs one IN.mfd", kLangUsage);
    auto table = LanguageTable::fromFile(context.args[0]);
    if (!table) {
        context.err << "montora: " << context.args[0] << ": cannot be deciphered: " << table.message() << "\n";
        return kFailure;
    }
    context.out << LanguageTextFile::format(*table);
    return kSuccess;
}

int run(CliContext& context)
{
    if (context.args.isEmpty())
        return usageError(context, "lang needs encode or decode", kLangUsage);
    if (wantsHelp(context.args)) {
        context.out << kLangUsage << "\n";
        return kSuccess;
    }
    const QString sub = context.args.takeFirst();
    if (sub == "encode")
        return encode(context);
    if (sub == "decode")
        return decode(context);
    return usageError(context, QStringLiteral("unknown lang command \"%1\"").arg(sub), kLangUsage);
}

const CliCommandRegistration kRegistration({"lang", "encipher and decipher language files (lang.mfd)", run});

} // namespace

} // namespace montora::cli
