#include "library/ui/decoration_column.h"

#include "controls/skin_button.h"
#include "library/effect_kinds.h"
#include "library/library_panel_rules.h"
#include "library/ui/effect_kind_selector.h"
#include "library/ui/library_panel.h"
#include "library/ui/tint_colour_control.h"
#include "platform/prompter.h"
#include "platform/ui/qt_prompter.h"

#include <algorithm>

namespace montora {

namespace {

// Heights below the strip, as the main window's right-hand column lays them out.
constexpr int kBelowStrip = 221;
constexpr int kButtonInset = 5;
constexpr int kButtonTop = 216;
constexpr int kButtonHeight = 20;
constexpr int kSelectorTop = 191;
constexpr int kSelectorHeight = 90;
constexpr int kColourTop = 100;

} // namespace

DecorationColumn::DecorationColumn(QWidget* parent)
    : QWidget(parent),
      m_strip(new LibraryPanel(LibraryPanelRules::kDecorationPanel, LibraryPanelRules::kModeNoButton, this)),
      m_addButton(new SkinButton(kAddToCanvasId, this)),
      m_selector(new EffectKindSelector(this)),
      m_colour(new TintColourControl(this))
{
    m_addButton->setCaption(addToCanvasCaption());
    m_addButton->setCursor(Qt::PointingHandCursor);
    m_selector->setKind(0);
    m_colour->setColour(EffectKinds::colour(0));
    connect(m_addButton, &SkinButton::clicked, this, &DecorationColumn::addToCanvas);
    connect(m_selector, &EffectKindSelector::effectKindChosen, this, &DecorationColumn::onKindChosen);
    connect(m_colour, &TintColourControl::colourChosen, this, [this](ColorRef colour) {
        emit colourChosen(colour);
        emit tintChanged(colour);
    });
    connect(m_strip, &LibraryPanel::dragStarted, this, &DecorationColumn::dragStarted);
    connect(m_strip, &LibraryPanel::dragMoved, this, &DecorationColumn::dragMoved);
    connect(m_strip, &LibraryPanel::dragEnded, this, &DecorationColumn::dragEnded);
}

void DecorationColumn::setFolder(const QString& folder)
{
    m_strip->setFolder(folder);
    m_strip->selectStyle(EffectKinds::style(m_selector->kind()), false);
}

void DecorationColumn::setPrompter(Prompter* prompter)
{
    m_prompter = prompter;
    m_strip->setPrompter(prompter);
    m_colour->setPrompter(prompter);
}

int DecorationColumn::kind() const { return m_selector->kind(); }
int DecorationColumn::style() const { return m_strip->style(); }
ColorRef DecorationColumn::tint() const { return m_colour->colour(); }

void DecorationColumn::chooseKind(int kind)
{
    if (!EffectKinds::isValid(kind))
        return;
    m_selector->setKind(kind);
    onKindChosen(kind);
}

void DecorationColumn::onKindChosen(int kind)
{
    m_strip->selectStyle(EffectKinds::style(kind), false);
    m_colour->setColour(EffectKinds::colour(kind));
    emit effectKindChosen(kind);
    emit tintChanged(m_colour->colour());
}

void DecorationColumn::addToCanvas()
{
    const int index = m_strip->selectedIndex();
    if (index < 0) {
        if (m_prompter) {
            m_prompter->message(LibraryPanelRules::nothingSelectedMessage(), Prompter::Icon::Information);
        } else {
            QtPrompter prompter(this);
            prompter.message(LibraryPanelRules::nothingSelectedMessage(), Prompter::Icon::Information,
                             Prompter::Buttons::Ok, Prompter::defaultCaption());
        }
        return;
    }
    emit addDecorationRequested(EffectKinds::libraryId(m_strip->style(), index));
}

void DecorationColumn::resizeEvent(QResizeEvent*)
{
    const int w = width();
    const int h = height();
    m_strip->setGeometry(0, 0, w, std::max(0, h - kBelowStrip));
    m_addButton->setGeometry(kButtonInset, h - kButtonTop, std::max(0, w - 2 * kButtonInset), kButtonHeight);
    m_selector->setGeometry(0, h - kSelectorTop, w, kSelectorHeight);
    m_colour->setGeometry(0, h - kColourTop, w, kColourTop);
}

} // namespace montora
