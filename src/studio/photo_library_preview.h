#pragma once

#include "library/photo_list.h"
#include "platform/ui/qt_prompter.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

class QLabel;

namespace montora {

class ImportProgressWindow;
class PhotoImport;
class PhotoLibraryPanel;
class SkinButton;

// The photo library panel on its own, over the photo list of a data folder, with
// the "Import" and "Remove" buttons above it as the main window places them. The
// right-hand side lists what the panel reports. Closing stops a running import
// and saves the photo list back.
class PhotoLibraryPreview : public QWidget {
    Q_OBJECT

public:
    explicit PhotoLibraryPreview(const QString& dataFolder, QWidget* parent = nullptr);
    ~PhotoLibraryPreview() override;

    // Imports these files at once, without the file dialog.
    void importFiles(const QStringList& paths);
    PhotoLibraryPanel* panel() const { return m_panel; }
    // Clicks these cells as a person would (the first plainly, the others with
    // Ctrl) once no import runs: for screenshots.
    void clickCellsWhenIdle(const QList<int>& cells);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void report(const QString& line);
    void showContextMenu(const QPoint& globalPosition);
    void save();

    QString m_folder;
    PhotoList m_list;
    QtPrompter m_prompter;
    std::unique_ptr<PhotoImport> m_import;
    PhotoLibraryPanel* m_panel;
    SkinButton* m_importButton;
    SkinButton* m_removeButton;
    ImportProgressWindow* m_progress;
    QLabel* m_log;
    QStringList m_lines;
    bool m_saved = false;
};

} // namespace montora
