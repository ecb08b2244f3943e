#pragma once

#include <QString>

namespace montora::test {

// Writes small metafiles with libUEMF, an independent writer, so the tests read
// files that our own code did not make: a white page with a red rectangle inset
// by 10 units on each side.
bool writeTestEmf(const QString& path, int width, int height);
bool writeTestWmf(const QString& path, int width, int height);
// The same with "WMF" in black bold Times New Roman at (14, 12), 24 units high.
bool writeTestWmfWithText(const QString& path, int width, int height);

} // namespace montora::test
