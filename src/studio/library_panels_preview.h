#pragma once

#include "platform/ui/qt_prompter.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;

namespace montora {

class DecorationColumn;
class LibraryPanel;

// The frame, mask and clipart strips and the decoration column over one data
// folder, placed as the main window places them, with what they report listed
// at the bottom.
class LibraryPanelsPreview : public QWidget {
    Q_OBJECT

public:
    explicit LibraryPanelsPreview(const QString& dataFolder, QWidget* parent = nullptr);

    LibraryPanel* framePanel() const { return m_frames; }
    LibraryPanel* maskPanel() const { return m_masks; }
    LibraryPanel* clipartPanel() const { return m_cliparts; }
    DecorationColumn* decorationColumn() const { return m_column; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    LibraryPanel* addStrip(int panel, int mode, const QString& fileName, const QString& title);
    void report(const QString& line);

    QtPrompter m_prompter;
    QList<LibraryPanel*> m_strips;
    QStringList m_titles;
    QStringList m_files;
    LibraryPanel* m_frames;
    LibraryPanel* m_masks;
    LibraryPanel* m_cliparts;
    DecorationColumn* m_column;
    QLabel* m_log;
    QStringList m_lines;
};

} // namespace montora
