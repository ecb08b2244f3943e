#pragma once

#include "controls_model/colour_table.h"

#include <QList>
#include <QPoint>
#include <QWidget>

namespace montora {

class EffectKindSelector;
class LibraryPanel;
class Prompter;
class SkinButton;
class TintColourControl;

// The right-hand column of the main window: the decoration strip, the "Add to
// Canvas" button, the effect-kind selector and the colour control. Choosing
// kind k shows decoration style k + 1 and sets the tint to the kind's colour.
class DecorationColumn : public QWidget {
    Q_OBJECT

public:
    static constexpr int kAddToCanvasId = 10015;
    static QString addToCanvasCaption() { return QStringLiteral("Add to Canvas"); }

    explicit DecorationColumn(QWidget* parent = nullptr);

    // Where the decoration files are read from; reloads the strip.
    void setFolder(const QString& folder);
    void setPrompter(Prompter* prompter);

    // As if the user chose kind k in the selector (signals included).
    void chooseKind(int kind);
    int kind() const;
    // The decoration style the strip shows (1 to 6).
    int style() const;
    ColorRef tint() const;

    // The "Add to Canvas" button: the selected decoration's library id, or the
    // message when none is selected.
    void addToCanvas();

    LibraryPanel* strip() const { return m_strip; }
    EffectKindSelector* selector() const { return m_selector; }
    TintColourControl* colourControl() const { return m_colour; }
    SkinButton* addButton() const { return m_addButton; }

    QSize sizeHint() const override { return QSize(132, 520); }

signals:
    // 10015: add the decoration with this library id (style x 1000 + index).
    void addDecorationRequested(int libraryId);
    // 0x482 (after the strip and the colour control followed it).
    void effectKindChosen(int kind);
    // GALLERY_SELECTED: the user picked a colour in the colour control.
    void colourChosen(montora::ColorRef colour);
    // The canvas's tint colour should now be this (a kind or a colour was chosen).
    void tintChanged(montora::ColorRef colour);
    // The strip's drag: drop kind 4 and the selected entries, then where it goes.
    void dragStarted(int dropKind, const QList<int>& selectedIds);
    void dragMoved(const QPoint& globalPosition);
    void dragEnded(const QPoint& globalPosition);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void onKindChosen(int kind);

    LibraryPanel* m_strip;
    SkinButton* m_addButton;
    EffectKindSelector* m_selector;
    TintColourControl* m_colour;
    Prompter* m_prompter = nullptr;
};

} // namespace montora
