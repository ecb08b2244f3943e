#include "tools/ui/text_panel_edit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTextCursor>

namespace montora {

TextPanelEdit::TextPanelEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setUndoRedoEnabled(false);
    setFrameShape(QFrame::NoFrame);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true); // a tab character would draw as nothing
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (m_quiet)
            return;
        m_sentDuringKey = true;
        emit textEdited();
    });
}

QString TextPanelEdit::text() const
{
    return toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

void TextPanelEdit::setTextQuietly(const QString& text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_quiet = true;
    setPlainText(plain);
    m_quiet = false;
    selectAll();
    QTextCursor caret = textCursor();
    caret.movePosition(QTextCursor::End);
    setTextCursor(caret);
}

bool TextPanelEdit::isCaretKey(int key)
{
    switch (key) {
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Insert:
    case Qt::Key_Delete: return true;
    default: return false;
    }
}

void TextPanelEdit::keyPressEvent(QKeyEvent* event)
{
    m_sentDuringKey = false;
    QPlainTextEdit::keyPressEvent(event);
    // A caret key re-sends the text even when it changed nothing, so the selected
    // item always ends up with what the box shows.
    if (!m_sentDuringKey && isCaretKey(event->key()))
        emit textEdited();
}

void TextPanelEdit::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    // Only a move to another widget of the window: the window going inactive (or
    // away altogether) and the box's own menu are no end of the typing.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        emit focusLeft();
}

} // namespace montora
