#pragma once

#include <QComboBox>

namespace montora {

// A drop-down list of font faces that reports when its list closes up, which is
// when the text panel takes the face.
class FontComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit FontComboBox(QWidget* parent = nullptr);

    // The faces offered, sorted; the first one is chosen.
    void setFaces(const QStringList& faces);

    void showPopup() override;
    void hidePopup() override;

signals:
    // The open list closed (a face chosen or not), or a key or the wheel chose a
    // face with the list closed. Once per choice.
    void closeUp();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool m_open = false;
    // The list closed and its close-up is on its way; the choice made in the list,
    // which the box also reports as activated, is part of it.
    bool m_closedUp = false;
};

} // namespace montora
