#pragma once

#include "app/external_files.h"

#include <QObject>
#include <QPoint>

#include <functional>

class QMimeData;

namespace montora {

class MainFrame;
class Prompter;

// Files and pictures from outside the window: dropped from a file manager onto the
// canvas (photos where they are let go, and into the photo library) or onto the
// photo library (imported by the import worker), a dropped ".mcf" opened, and Paste
// (Ctrl+V) of a picture or of file addresses on the clipboard.
class ExternalDrops : public QObject {
    Q_OBJECT
public:
    // Opens a project file the way Open does (asking about unsaved changes first).
    using ProjectOpener = std::function<void(const QString& path)>;

    ExternalDrops(MainFrame& frame, Prompter& prompter, QString dataFolder, ProjectOpener openProject);

    // The clipboard's contents added to the canvas a fifth of the way in.
    void paste();
    // What a drop of `data` at `canvasPoint` does; false when it carried nothing of use.
    bool dropOnCanvas(const QMimeData& data, QPoint canvasPoint);
    bool dropOnPhotoLibrary(const QMimeData& data);

    static QString nothingToPasteMessage() { return QStringLiteral("The clipboard holds no picture or picture file."); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool carriesFiles(const QMimeData& data);
    bool addPhotos(const QStringList& pictures, QPoint canvasPoint);
    void importIntoLibrary(const QStringList& pictures);
    void openFirstProject(const QStringList& projects);

    MainFrame& m_frame;
    Prompter& m_prompter;
    QString m_dataFolder;
    ProjectOpener m_openProject;
};

} // namespace montora
