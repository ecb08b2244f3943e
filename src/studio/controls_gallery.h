#pragma once

#include <QWidget>

namespace montora {

// One window with every owner-drawn control in its states, to look at the
// artwork: skin buttons normal, hot, pressed and disabled, narrow and icon
// buttons, scroll bars at several ranges, radio buttons and a colour picker.
class ControlsGallery : public QWidget {
    Q_OBJECT

public:
    explicit ControlsGallery(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void putInStates();

    QWidget* m_hotButton = nullptr;
    QWidget* m_pressedButton = nullptr;
    QWidget* m_hotThumbBar = nullptr;
    QWidget* m_pressedArrowBar = nullptr;
};

} // namespace montora
