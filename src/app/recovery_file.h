#pragma once

#include "base/status.h"

#include <QByteArray>
#include <QString>

namespace montora {

// The collage written aside while it has unsaved changes: "recovery.mcf" in a
// folder (the data folder), a project file like any other. A start that finds it
// was preceded by a crash. Declining to restore it moves it to "recovery-declined.mcf"
// (replacing an older declined one), so it is offered once and never deleted
// without the user's word.
class RecoveryFile {
public:
    static inline const QString kFileName = QStringLiteral("recovery.mcf");
    static inline const QString kDeclinedName = QStringLiteral("recovery-declined.mcf");

    // `folder` ends in '/'.
    explicit RecoveryFile(QString folder) : m_folder(std::move(folder)) {}

    QString path() const { return m_folder + kFileName; }
    QString declinedPath() const { return m_folder + kDeclinedName; }
    bool exists() const;
    // Replaces the file whole: a crash during the write keeps the previous one.
    Status write(const QByteArray& project) const;
    Status remove() const;
    // Moves the file aside; the path it now has.
    Result<QString> setAside() const;

private:
    QString m_folder;
};

} // namespace montora
