#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

namespace montora {

class CollageCanvas;
class MainFrame;
class Prompter;
struct TextStyleRecord;
class TextPanel;

// Puts the text panel into the window's Text tab and carries what it says to the
// canvas: a new style onto the selected text item, the typed text into it (measured
// again, its top-left corner kept), "Add" as a new text item; and a text item
// clicked on the canvas back into the text box. Typing is one undo step per pause.
class MainFrameText : public QObject {
    Q_OBJECT
public:
    // Long enough that a word typed at an ordinary pace is one step, short enough
    // that a pause between words ends the step.
    static constexpr int kTypingPauseMs = 1000;

    MainFrameText(MainFrame& frame, Prompter& prompter);
    ~MainFrameText() override;

    TextPanel* panel() const;

private:
    void textStyleChanged(const TextStyleRecord& style);
    void textChanged();
    void textAdd();
    void textItemPicked(const QString& text);
    void historyRestored();
    void edited(bool itemChanged);
    void recordEdit();

    MainFrame& m_frame;
    QPointer<CollageCanvas> m_canvas;
    QPointer<TextPanel> m_panel;
    QTimer m_pause;
};

} // namespace montora
