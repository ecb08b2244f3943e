#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

namespace montora {

class CollageProject;

// Photos whose picture file is no longer where the collage says, and finding
// them again in a folder the user names.
class MissingPhotos {
public:
    // Files looked at in the folder and below it, at most.
    static constexpr int kMaxFilesSearched = 20000;

    struct Relinked {
        int found = 0;
        int missing = 0; // still missing afterwards
    };

    // The picture paths of the photos whose file is missing, each once, bottom layer first.
    static QStringList find(const CollageProject& project);
    // Looks for each missing picture in `folder` and below: a file of the same name
    // (the one of the photo's picture size when there are several), else the only
    // picture of that size. Found photos take the new path, drop their cached
    // pictures and mark the collage modified.
    static Relinked relink(CollageProject& project, const QString& folder);

    // "These photos were not found:" and the file names.
    static QString missingMessage(const QStringList& paths);
    static QString notAllFoundMessage(const Relinked& result);
    static QString chooseFolderTitle() { return QStringLiteral("Look for the missing photos in"); }
};

} // namespace montora
