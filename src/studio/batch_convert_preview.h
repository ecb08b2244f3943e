#pragma once

#include <QString>
#include <QStringList>

namespace montora {

// The "Batch Convert" dialog on its own: `pictures` already in its list, the
// output folder and format when given. With `startAtOnce` it presses Convert as
// soon as it shows (for screenshots of a run). Prints one line per run and
// returns 0 once the dialog closes.
int runBatchConvertPreview(const QStringList& pictures, const QString& folder, const QString& format,
                           bool startAtOnce);

} // namespace montora
