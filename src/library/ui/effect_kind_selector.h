#pragma once

#include <QRect>
#include <QWidget>

namespace montora {

// The six effect kinds of the decoration column as a grid of tiles, each in
// its kind's colour; exactly one is chosen.
class EffectKindSelector : public QWidget {
    Q_OBJECT

public:
    static constexpr int kColumns = 2;
    static constexpr int kTitleHeight = 16;

    explicit EffectKindSelector(QWidget* parent = nullptr);

    int kind() const { return m_kind; }
    // Shows `kind` as chosen without telling anyone; unknown kinds are ignored.
    void setKind(int kind);
    QRect tileRect(int kind) const;
    int kindAt(QPoint point) const;

    QSize sizeHint() const override { return QSize(132, 90); }

signals:
    // 0x482: the user chose kind 0..5 (also when it was already chosen, which
    // puts the kind's colour back).
    void effectKindChosen(int kind);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void choose(int kind);
    void paintTile(QPainter& painter, int kind);

    int m_kind = 0;
    int m_hot = -1;
};

} // namespace montora
