#pragma once

#include "tools/crop_aspect_options.h"

#include <QWidget>

#include <array>

namespace montora {

class SkinRadioButton;

// The crop dialog's list of aspect options: eight radio-style rows, one on.
class CropAspectPanel : public QWidget {
    Q_OBJECT

public:
    explicit CropAspectPanel(QWidget* parent = nullptr);

    SkinRadioButton* row(int index) const { return m_rows[std::size_t(index)]; }
    int chosenRow() const { return m_chosen; }
    void choose(int index);

signals:
    // The chosen ratio's terms, zero for none (message 0x434).
    void aspectChosen(int widthTerm, int heightTerm);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::array<SkinRadioButton*, CropAspectOptions::kCount> m_rows{};
    int m_chosen = 0;
};

} // namespace montora
