#pragma once

#include "app/ui/progress_window.h"

#include <QImage>

namespace montora {

class PhotoImport;

// The small window over the main window while photos are imported: the file
// being read, how far the run has got, the last photo accepted, and a Stop
// button. It shows itself when an import starts and hides at every end of it.
class ImportProgressWindow : public ProgressWindow {
    Q_OBJECT

public:
    static constexpr int kStopButtonId = 2;
    static QString captionText() { return QStringLiteral("Importing Photos"); }
    static QString stopText() { return QStringLiteral("Stop"); }

    explicit ImportProgressWindow(QWidget* parent);

    // Shows the runs of `import` and stops it with the Stop button.
    void follow(PhotoImport* import);

    SkinButton* stopButton() const { return button(); }
    QString currentFile() const { return m_file; }
    int doneCount() const { return m_done; }
    int acceptedCount() const { return m_accepted; }

signals:
    // IMPORT_STOP: the Stop button was clicked (the window has hidden itself).
    void importStop();

protected:
    void paintBody(QPainter& painter) override;

private:
    void begin(int fileCount);
    void showFile(int index, const QString& path);
    void showAccepted(const QImage& thumbnail);

    QString m_file;
    QImage m_lastPhoto;
    int m_fileCount = 0;
    int m_done = 0;
    int m_accepted = 0;
};

} // namespace montora
