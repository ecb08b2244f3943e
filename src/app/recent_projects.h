#pragma once

#include "base/status.h"

#include <QString>
#include <QStringList>

namespace montora {

// The projects last opened or saved, newest first, kept as one UTF-8 path a line
// in "recent.lst" of a folder (the data folder). The file is replaced whole, so a
// crash never leaves half a list.
class RecentProjects {
public:
    static constexpr int kMaxEntries = 8;
    static inline const QString kFileName = QStringLiteral("recent.lst");

    // `folder` ends in '/'; empty keeps the list in memory only.
    explicit RecentProjects(QString folder = QString());

    const QStringList& paths() const { return m_paths; }
    // Reads the list; a missing file is an empty list.
    void load();
    // Puts `path` first (once) and writes the list.
    Status add(const QString& path);
    Status remove(const QString& path);

private:
    Status save() const;

    QString m_folder;
    QStringList m_paths;
};

} // namespace montora
