// Start-up deciphers the whole language file once: the shipped 7,020 bytes and the
// largest table that fits.
#include "language/lang_file_cipher.h"

#include <benchmark/benchmark.h>

namespace {

void decipherLanguageFile(benchmark::State& state)
{
    const QByteArray plain(state.range(0), 'a');
    const QByteArray file = montora::LangFileCipher::encipher(plain).value();
    for (auto _ : state)
        benchmark::DoNotOptimize(montora::LangFileCipher::decipher(file));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(decipherLanguageFile)->Arg(7020)->Arg(65536)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
