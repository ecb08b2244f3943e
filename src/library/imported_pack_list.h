#pragma once

#include "base/status.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace montora {

// "Res_Info": the file names (name and extension, no folder) of the resource
// packs imported so far, so that a pack is imported once. A count, then one
// NUL-terminated 260-byte field per name. It grows by one name per import, and
// an import that fails takes its name back out (forget()), so that it can be tried
// again once its cause is gone.
class ImportedPackList {
public:
    static constexpr int kNameFieldSize = 260;

    enum class Check { Recorded, AlreadyInLibrary };

    explicit ImportedPackList(QString path);

    // Records `name` unless it is already listed (compared exactly, case
    // included). A list that cannot be read, or whose count is 0 or less, is an
    // error and nothing is recorded.
    Result<Check> checkAndRecord(const QString& name) const;
    // Takes out the name that checkAndRecord() recorded last; removes the list when
    // it was its only name. Needs no free space on the disk.
    Status forget(const QString& name) const;
    Result<QStringList> names() const;

private:
    Result<QList<QByteArray>> fields() const;

    QString m_path;
};

} // namespace montora
