#pragma once

#include "controls_model/colour_popup_layout.h"

#include <QWidget>

namespace montora {

class Prompter;

// The palette that drops down from a colour picker: the 40 named colours, an
// optional default entry above them and an optional custom entry below that
// opens the colour dialog. It holds the mouse while open and ends with exactly
// one of selEndOk or selEndCancel, then deletes itself.
class CFacColourPopup : public QWidget {
    Q_OBJECT

public:
    // `button` is the picker's rectangle in screen coordinates; the pop-up opens
    // under it (or above it near the bottom of the screen).
    CFacColourPopup(const QRect& button, ColorRef opening, const QString& defaultCaption,
                    const QString& customCaption, Prompter* prompter, QWidget* owner);

    const ColourPopupLayout& layout() const { return m_layout; }
    int hotEntry() const { return m_hot; }
    int markedEntry() const { return m_marked; }
    ColorRef openingColour() const { return m_opening; }

    // Cancels the choice, as when another application becomes active.
    void cancel();

signals:
    // COLOUR_SELCHANGE from the pop-up: the hot entry's colour.
    void selChange(montora::ColorRef colour);
    // COLOUR_SELENDOK from the pop-up: the chosen colour.
    void selEndOk(montora::ColorRef colour);
    // COLOUR_SELENDCANCEL from the pop-up: the opening colour.
    void selEndCancel(montora::ColorRef colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    enum class Ending { Ok, Cancel };

    static ColourPopupLayout makeLayout(const QFont& font, const QString& defaultCaption,
                                        const QString& customCaption);
    void changeHot(int entry);
    void end(Ending ending);
    void paintBox(QPainter& painter, int index);
    void paintTextEntry(QPainter& painter, int entry, const QString& caption);
    void paintEdge(QPainter& painter, const QRect& rect, int entry);

    Prompter* m_prompter;
    QString m_defaultCaption;
    QString m_customCaption;
    ColourPopupLayout m_layout;
    ColorRef m_opening;
    ColorRef m_choice;
    int m_hot = ColourPopupLayout::kNoEntry;
    int m_marked;
    bool m_ended = false;
};

} // namespace montora
