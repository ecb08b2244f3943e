#pragma once

#include "base/status.h"

#include <QString>

namespace montora {

// The folder that holds the library files, the photo list, the imported-pack list
// and the language file. $MONTORA_DATA_DIR when set (tests, portable installs),
// else "Data/" beside the program when that can be written, else "Data/" in the
// user's application-data location. Created on first use.
class DataFolder {
public:
    // The folder, always ending in '/'; created when missing. Empty when it cannot be created.
    static QString path();
    // path() + name.
    static QString file(const QString& name);
    // Creates the folder when needed and checks that it can be written.
    static Status prepare();

    // Overrides the choice for this process (the CLI's --data-dir); empty clears it.
    static void setOverride(const QString& folder);

private:
    static QString chooseFolder();
};

} // namespace montora
