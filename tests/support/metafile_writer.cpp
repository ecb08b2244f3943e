#include "support/metafile_writer.h"

#include "support/test_files.h"

namespace montora::test {

// The writer runs in its own process: libUEMF exports symbols (wmf_free, ...) that
// clash with those of libwmf, which the image library loads in ours.
static bool runWriter(const char* kind, const QString& path, int width, int height)
{
    const ToolRun run = runTool(QStringLiteral(MONTORA_METAFILE_TOOL_PATH),
                                {kind, path, QString::number(width), QString::number(height)});
    return run.exitCode == 0;
}

bool writeTestEmf(const QString& path, int width, int height) { return runWriter("emf", path, width, height); }

bool writeTestWmf(const QString& path, int width, int height) { return runWriter("wmf", path, width, height); }

bool writeTestWmfWithText(const QString& path, int width, int height)
{
    return runWriter("wmf-text", path, width, height);
}

} // namespace montora::test
