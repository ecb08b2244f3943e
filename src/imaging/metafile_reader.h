#pragma once

#include "base/status.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace montora {

// Windows metafiles (WMF) are drawn by libwmf inside the image library, and libwmf
// prints its complaints about a file to stdout and stderr, which belong to the whole
// process (the CLI's own output, the other threads' messages). So a WMF is read by a
// small helper program in a process of its own, whose stdout and stderr go nowhere;
// the picture comes back through a pipe, checked against the picture limits before
// anything is allocated for it. A file that crashes libwmf costs the helper only.
class MetafileReader {
public:
    static inline const QString kHelperName = QStringLiteral("montora-wmf-reader");
    // A stuck helper is stopped after this long.
    static constexpr int kTimeoutMs = 120'000;

    // Whether the bytes go to libwmf: a WMF by its code, or by its content when the
    // format is to be probed (code 0). EMF files are drawn elsewhere.
    static bool isWmf(const QByteArray& bytes, int code);
    // An enhanced metafile, by the signature in its header.
    static bool isEmf(const QByteArray& bytes);

    static Result<QSize> ping(const QByteArray& bytes, const QString& nameForErrors);
    static Result<QImage> decode(const QByteArray& bytes, const QString& nameForErrors);

    // $MONTORA_WMF_READER, else the helper beside the running program, else in
    // ../libexec/montora/ from it (the installed layout); empty when there is none.
    static QString helperPath();

    // The helper's main: "ping CODE NAME" or "decode CODE NAME" (CODE a format
    // code, NAME for its messages), the metafile on stdin, the answer on stdout.
    static int serve(int argc, char** argv);

    // Fuzzers read metafiles in their own process: libwmf's faults are what they
    // look for, and nothing else runs beside them.
    static void setReadInProcess(bool inProcess);
    static bool readsInProcess();
};

} // namespace montora
