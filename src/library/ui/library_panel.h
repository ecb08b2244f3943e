#pragma once

#include "controls_model/scroll_bar_model.h"
#include "library/library_grid_layout.h"
#include "library/library_thumbnails.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <memory>

namespace montora {

class Prompter;
class SkinButton;
class SkinScrollBar;

// A strip of library pictures: the records of one thumbnail library file in
// 60 x 60 cells, one of them selected, with the Apply button (and on the mask
// panel Import and Reset) along the bottom. It reports what the user asks for
// with signals; the main window acts on them.
class LibraryPanel : public QWidget {
    Q_OBJECT

public:
    // `panel` decides the Apply request and the drop kind, `mode` the buttons.
    LibraryPanel(int panel, int mode, QWidget* parent = nullptr);
    ~LibraryPanel() override;

    int panelNumber() const { return m_panel; }
    int mode() const { return m_mode; }

    // The folder the library files are read from (by default the data folder).
    void setFolder(const QString& folder);
    QString folder() const;
    // Where messages, questions and the file dialog go (by default Qt's dialogs).
    void setPrompter(Prompter* prompter) { m_prompter = prompter; }

    // Shows the records of a library file. False when the file is missing or
    // damaged; the panel then lists what could be read (possibly nothing).
    bool load(const QString& fileName, bool keepSelection);
    // The brush library, as load() does, but every record's full-size pixels are
    // kept for stamping. The selection stays when its record is still listed.
    bool loadBrushes();
    // Record k's pixels as the file holds them (ARGB32); only the brush library keeps them.
    QImage recordPicture(int k) const;
    // Shows decoration style s (0 the cliparts, 1 to 6 the styles); any other
    // number keeps the current file. With keepSelection the scroll position and
    // the selected index stay as they were.
    void selectStyle(int style, bool keepSelection);
    int style() const { return m_style; }
    QString fileName() const { return m_fileName; }
    int count() const { return m_thumbnails.count(); }

    int selectedIndex() const { return m_selected; }
    // -1 (or any index that is not listed) selects nothing.
    void setSelectedIndex(int index);

    // The Apply button: the request for the selected entry, or the message when
    // none is selected.
    void apply();
    // The mask panel's Import and Reset buttons.
    void importCustomMask();
    void resetMasks();

    const LibraryGridLayout& gridLayout() const { return m_layout; }
    SkinScrollBar* verticalBar() const { return m_verticalBar; }
    SkinButton* applyButton() const { return m_applyButton; }
    SkinButton* importButton() const { return m_importButton; }
    SkinButton* resetButton() const { return m_resetButton; }
    // The rectangle entry k's picture is drawn in.
    QRect fittedRect(int k) const;

signals:
    // The selected index changed (-1: none).
    void selectionChanged(int index);
    // 0x473: the Apply request code for this panel and the selected index.
    void applyRequested(int code, int index);
    // 0x467: a press on an entry moved far enough to be a drag; the drop kind
    // and the selected entries. Then where it goes and where it was let go.
    void dragStarted(int dropKind, const QList<int>& selectedIds);
    void dragMoved(const QPoint& globalPosition);
    void dragEnded(const QPoint& globalPosition);
    // The mask panel changed its library files (Import or Reset).
    void libraryChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool loadFile(const QString& fileName, bool keepSelection, LibraryThumbnails::Records records);
    SkinButton* addButton(int id, const QString& caption, int slot);
    void relayout();
    void scrollTo(int position);
    void onVerticalScroll(ScrollAction action, int position);
    void select(int index);
    void paintCell(QPainter& painter, int k);
    void showError(const QString& text);
    Prompter& prompter();

    int m_panel;
    int m_mode;
    QString m_folder;
    bool m_folderSet = false; // until then the data folder, looked up when first needed
    QString m_fileName;
    int m_style = 0;
    Prompter* m_prompter = nullptr;
    std::unique_ptr<Prompter> m_ownPrompter;

    LibraryThumbnails m_thumbnails;
    LibraryGridLayout m_layout;
    int m_selected = -1;

    SkinScrollBar* m_verticalBar;
    SkinButton* m_applyButton = nullptr;
    SkinButton* m_importButton = nullptr;
    SkinButton* m_resetButton = nullptr;

    bool m_pressedOnEntry = false;
    QPoint m_pressPoint;
    bool m_dragging = false;
};

} // namespace montora
