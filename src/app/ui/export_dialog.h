#pragma once

#include "canvas/export_options.h"
#include "tools/ui/tool_dialog.h"

#include <QList>
#include <QSize>

class QLineEdit;

namespace montora {

class Prompter;
class SkinButton;
class SkinRadioButton;

// "Save Collage" options in the tool-dialog look: the size of a picture (1, 2 or
// 3 times the collage), or for a PDF the page, its orientation and the resolution.
// After exec() returns Accepted the answer is in options().
class ExportDialog : public ToolDialog {
    Q_OBJECT

public:
    static QString captionText() { return QStringLiteral("Save Collage"); }

    ExportDialog(Prompter& prompter, bool pdf, QSize collage, QWidget* parent = nullptr);

    void setOptions(const ExportOptions& options);
    ExportOptions options() const { return m_options; }
    bool isPdf() const { return m_pdf; }

    SkinRadioButton* scaleButton(int scale) const;
    SkinRadioButton* pageButton(PdfPage page) const;
    SkinRadioButton* landscapeButton() const { return m_orientation.value(1); }
    QLineEdit* dpiEdit() const { return m_dpi; }
    SkinButton* okButton() const { return m_ok; }
    SkinButton* cancelButton() const { return m_cancel; }

    void accept() override;

protected:
    void paintContent(QPainter& painter) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    SkinRadioButton* makeRadio(const QString& caption, const QRect& place);
    static void turnOn(const QList<SkinRadioButton*>& group, int index);
    void buildScale();
    void buildPage();

    Prompter& m_prompter;
    bool m_pdf;
    QSize m_collage;
    ExportOptions m_options;
    QList<SkinRadioButton*> m_scales;
    QList<SkinRadioButton*> m_pages;
    QList<SkinRadioButton*> m_orientation;
    QLineEdit* m_dpi = nullptr;
    SkinButton* m_ok = nullptr;
    SkinButton* m_cancel = nullptr;
};

} // namespace montora
