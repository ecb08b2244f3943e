#pragma once

#include "app/command_id.h"

#include <QString>
#include <QWidget>

#include <memory>

namespace montora {

class AltShortcuts;
class ImportProgressWindow;
class PhotoImport;
class Prompter;
class StartupLibraryFiles;
class StoppableWorker;

// The program's one top-level window: frameless (it draws its own caption
// area), as wide as the available screen and 10 pixels less high. It owns the
// library files behind the photo list and the import worker, and on the way out
// stops the worker and saves the photo list.
class MainFrame : public QWidget {
    Q_OBJECT
public:
    static QString windowTitleText() { return QStringLiteral("Montora Studio"); }
    static constexpr int kHeightMargin = 10;
    static constexpr int kCaptionHeight = 30;
    // The slot of the title drawn in the caption area.
    static constexpr int kTitleSlot = 23;

    MainFrame(std::unique_ptr<StartupLibraryFiles> libraryFiles, Prompter& prompter, QWidget* parent = nullptr);
    ~MainFrame() override;

    // Icon, frameless style, size and title: the window's first initialisation.
    void initialiseWindow();

    StartupLibraryFiles& libraryFiles() { return *m_libraryFiles; }
    void setPhotoListFolder(const QString& folder) { m_photoListFolder = folder; }

    // The running photo import, if any; stopped and waited for before the window goes.
    void setImportWorker(std::unique_ptr<StoppableWorker> worker);
    // The photo import over the library files' photo entries (none when they keep
    // none, and none once the window has closed). Its progress window is in place.
    PhotoImport* photoImport() const { return m_photoImport; }
    ImportProgressWindow* importProgressWindow() const { return m_importProgress; }

    // A later start asked for this window: show it normally, restored if it was
    // minimised, and bring it to the front.
    void bringForward();

signals:
    // A command identifier reached the window (shortcut, menu, toolbar).
    void commandRequested(montora::CommandId id);

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void savePhotoList();
    void stopImportWorker();

    std::unique_ptr<StartupLibraryFiles> m_libraryFiles;
    Prompter& m_prompter;
    std::unique_ptr<StoppableWorker> m_importWorker;
    PhotoImport* m_photoImport = nullptr; // owned as m_importWorker
    ImportProgressWindow* m_importProgress = nullptr;
    AltShortcuts* m_shortcuts = nullptr;
    QString m_photoListFolder;
    bool m_closed = false;
};

} // namespace montora
