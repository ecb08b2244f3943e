#pragma once

#include "base/status.h"

#include <QImage>
#include <QList>
#include <QStringList>
#include <QUrl>

namespace montora {

// Files that reach the window from outside it: dropped from a file manager or
// pasted from the clipboard. Projects are opened, pictures become photos, the
// rest is left alone.
class ExternalFiles {
public:
    struct Sorted {
        QStringList projects; // ".mcf" files, to open
        QStringList pictures; // files of a picture format we read, to add as photos
        QStringList ignored;  // anything else, folders and remote addresses among them
    };

    static Sorted sort(const QList<QUrl>& urls);
    static Sorted sortPaths(const QStringList& paths);

    // Keeps a pasted picture as a PNG in `folder` (created when missing) under a
    // name of its own, so a project that holds it finds it again.
    static Result<QString> storePastedPicture(const QImage& picture, const QString& folder);
    // The folder inside the data folder that keeps pasted pictures.
    static QString pastedPicturesFolder(const QString& dataFolder);
};

} // namespace montora
