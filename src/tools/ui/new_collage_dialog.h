#pragma once

#include "tools/canvas_settings.h"
#include "tools/new_collage_form.h"
#include "tools/ui/tool_dialog.h"

#include <array>

class QLineEdit;

namespace montora {

class CFacColourPicker;
class Prompter;
class SkinButton;
class SkinRadioButton;

// Asks for the size and background of a collage: "Create New Collage" for a
// new one, "Collage Setting" for the open one. After exec() returns Accepted
// the answer is in settings().
class NewCollageDialog : public ToolDialog {
    Q_OBJECT

public:
    explicit NewCollageDialog(Prompter& prompter, QWidget* parent = nullptr);

    // Fills every field; an empty caption means "Create New Collage".
    void setSettings(const CanvasSettings& settings);
    void setCaption(const QString& caption);
    CanvasSettings settings() const { return m_settings; }

    QLineEdit* widthEdit() const { return m_width; }
    QLineEdit* heightEdit() const { return m_height; }
    QLineEdit* pathEdit() const { return m_path; }
    CFacColourPicker* colourButton() const { return m_colour; }
    SkinButton* browseButton() const { return m_browse; }
    SkinButton* okButton() const { return m_ok; }
    SkinButton* cancelButton() const { return m_cancel; }
    SkinRadioButton* modeButton(int mode) const;

    void accept() override;

protected:
    void paintContent(QPainter& painter) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    using Control = NewCollageForm::Control;

    QLineEdit* makeEdit(Control control);
    SkinButton* makeButton(Control control, const QString& caption);
    void browse();
    void chooseMode(int mode);
    bool takeSize(QLineEdit* edit, int* value);
    void refuse(QWidget* field, const QString& message);

    Prompter& m_prompter;
    CanvasSettings m_settings; // the answer, complete once OK was accepted
    int m_mode = CanvasSettings::Center;
    QLineEdit* m_width;
    QLineEdit* m_height;
    QLineEdit* m_path;
    CFacColourPicker* m_colour;
    SkinButton* m_browse;
    SkinButton* m_ok;
    SkinButton* m_cancel;
    std::array<SkinRadioButton*, 3> m_modes{};
};

} // namespace montora
