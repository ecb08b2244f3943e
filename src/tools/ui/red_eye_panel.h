#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace montora {

// Tells how to take red eyes out of a photo with the program's own tools. It has
// no controls and changes no pixel itself.
class RedEyePanel : public QWidget {
    Q_OBJECT
public:
    static constexpr QRgb kBackground = 0xFFF0F0F0;
    static constexpr int kBannerHeight = 20;
    static constexpr QSize kPictureSize{90, 70};

    static QString instructionText();
    // The eye picture's place and the text's in a panel of the given size.
    static QRect pictureRect(QSize panel);
    static QRect textRect(QSize panel);

    explicit RedEyePanel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static QPixmap banner();
    static QPixmap eyePicture();
};

} // namespace montora
