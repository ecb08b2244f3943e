#include "app/ui/main_frame_text.h"

#include "app/menu_model.h"
#include "app/ui/main_frame.h"
#include "canvas/ui/collage_canvas.h"
#include "text/text_style_record.h"
#include "tools/ui/text_panel.h"
#include "tools/ui/text_panel_edit.h"
#include "tools/ui/text_style_gallery.h"

namespace montora {

MainFrameText::MainFrameText(MainFrame& frame, Prompter& prompter)
    : QObject(&frame), m_frame(frame), m_canvas(frame.canvas()), m_panel(new TextPanel)
{
    m_panel->setPrompter(&prompter);
    frame.setLibraryPanel(int(LibraryPanelSlot::Text), m_panel);
    m_canvas->project().textStyle() = m_panel->record();

    m_pause.setSingleShot(true);
    m_pause.setInterval(kTypingPauseMs);
    connect(&m_pause, &QTimer::timeout, this, &MainFrameText::recordEdit);
    connect(m_panel, &TextPanel::textStyleChanged, this, &MainFrameText::textStyleChanged);
    connect(m_panel, &TextPanel::textChanged, this, &MainFrameText::textChanged);
    connect(m_panel, &TextPanel::textAdd, this, &MainFrameText::textAdd);
    connect(m_panel, &TextPanel::textBoxLeft, this, &MainFrameText::recordEdit);
    connect(m_canvas, &CollageCanvas::textItemPicked, this, &MainFrameText::textItemPicked);
    connect(m_canvas, &CollageCanvas::historyRestored, this, &MainFrameText::historyRestored);
}

MainFrameText::~MainFrameText() { m_pause.stop(); }

TextPanel* MainFrameText::panel() const { return m_panel; }

void MainFrameText::textStyleChanged(const TextStyleRecord& style)
{
    if (!m_canvas)
        return;
    edited(m_canvas->project().setTextStyle(style));
}

void MainFrameText::textChanged()
{
    if (!m_canvas || !m_panel)
        return;
    // The box keeps everything typed; the records take the first 999 bytes.
    m_panel->record().setText(m_panel->text());
    edited(m_canvas->project().setText(m_panel->record().text()));
}

void MainFrameText::edited(bool itemChanged)
{
    m_canvas->recompose();
    if (itemChanged)
        m_pause.start();
}

void MainFrameText::recordEdit()
{
    m_pause.stop();
    if (m_canvas)
        m_canvas->project().recordTextEdit(); // tells the window through the history listener
}

void MainFrameText::textAdd()
{
    if (!m_canvas || !m_panel)
        return;
    TextPanel& panel = *m_panel;
    CollageProject& project = m_canvas->project();
    panel.record().style = panel.gallery()->selected();
    // What the box shows now, also when a click on a text item put it there.
    panel.record().setText(panel.text());
    project.textStyle() = panel.record();
    m_pause.stop();
    (void)project.addText(); // cannot fail
    m_canvas->recompose();
    m_frame.updateToolbar();
    if (const int added = project.firstSelectedTextIndex(); added >= 0)
        panel.showText(project.item(added).asText()->text());
}

void MainFrameText::textItemPicked(const QString& text)
{
    recordEdit();
    if (m_panel)
        m_panel->showText(text);
}

void MainFrameText::historyRestored()
{
    m_pause.stop();
    if (!m_canvas || !m_panel)
        return;
    // The box shows the text that came back; without a selected text item it keeps its own.
    const CollageProject& project = m_canvas->project();
    if (const int index = project.firstSelectedTextIndex(); index >= 0)
        m_panel->textBox()->setTextQuietly(project.item(index).asText()->text());
}

} // namespace montora
