#pragma once

#include <QPlainTextEdit>

namespace montora {

// The text panel's multi-line text box. It tells its owner about every change the
// user makes (keys, paste, drop, cut) and about the caret keys End, Home, the
// arrows, Insert and Delete, but not about text set through setTextQuietly().
// Its own undo is off: Ctrl+Z undoes the collage, and the owner puts the restored
// text back.
class TextPanelEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TextPanelEdit(QWidget* parent = nullptr);

    // Line breaks as text items keep them: CR LF.
    QString text() const;
    // Shows `text` selected whole, then with the caret at its end; sends nothing.
    void setTextQuietly(const QString& text);

signals:
    // TEXT_CHANGED, as the box sends it to the panel.
    void textEdited();
    // The keyboard focus went from the box to another widget of the window.
    void focusLeft();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    static bool isCaretKey(int key);

    bool m_quiet = false;
    bool m_sentDuringKey = false;
};

} // namespace montora
