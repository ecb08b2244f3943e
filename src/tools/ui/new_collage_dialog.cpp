#include "tools/ui/new_collage_dialog.h"

#include "controls/c_fac_colour_picker.h"
#include "controls/skin_button.h"
#include "controls/skin_radio_button.h"
#include "platform/prompter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

namespace montora {

namespace {

const char* const kEditStyle = "QLineEdit { border: 1px solid #A8A8A8; background: white; padding: 0px; }";

} // namespace

NewCollageDialog::NewCollageDialog(Prompter& prompter, QWidget* parent) : ToolDialog(parent), m_prompter(prompter)
{
    setFixedSize(NewCollageForm::clientSize());
    m_width = makeEdit(Control::Width);
    m_height = makeEdit(Control::Height);

    m_colour = new CFacColourPicker(this);
    m_colour->setGeometry(NewCollageForm::controlRect(Control::Colour));
    m_colour->setColourMode(CFacColourPicker::ColourMode::Swatch);
    m_colour->setBackgroundColour(0xFFFFFF);
    m_colour->setDefaultCaption(QStringLiteral("Color"));
    m_colour->setCustomCaption(QStringLiteral("Costom Color"));
    m_colour->setPrompter(&prompter);

    m_path = makeEdit(Control::Path);
    m_browse = makeButton(Control::Browse, QString());
    m_browse->setIcons(QStringLiteral(":/controls/icon_folder.svg"), QStringLiteral(":/controls/icon_folder_disabled.svg"));
    m_browse->setToolTip(tr("Browse"));
    connect(m_browse, &SkinButton::clicked, this, &NewCollageDialog::browse);

    const std::array<std::pair<Control, const char*>, 3> modes{
        {{Control::Center, "Center"}, {Control::Tile, "Tile"}, {Control::Stretch, "Stretch"}}};
    for (int mode = 0; mode < 3; ++mode) {
        auto* button = new SkinRadioButton(int(modes[mode].first), QString::fromLatin1(modes[mode].second), this);
        button->setGeometry(NewCollageForm::controlRect(modes[mode].first));
        connect(button, &SkinRadioButton::clicked, this, [this, mode] { chooseMode(mode); });
        m_modes[std::size_t(mode)] = button;
    }

    m_ok = makeButton(Control::Ok, QStringLiteral("OK"));
    connect(m_ok, &SkinButton::clicked, this, &NewCollageDialog::accept);
    m_cancel = makeButton(Control::Cancel, QStringLiteral("Cancel"));
    connect(m_cancel, &SkinButton::clicked, this, &NewCollageDialog::reject);

    setCaption(QString());
    setSettings(CanvasSettings());
    m_width->setFocus();
}

QLineEdit* NewCollageDialog::makeEdit(Control control)
{
    auto* edit = new QLineEdit(this);
    edit->setGeometry(NewCollageForm::controlRect(control));
    edit->setStyleSheet(QLatin1String(kEditStyle));
    edit->setObjectName(QString::number(int(control)));
    return edit;
}

SkinButton* NewCollageDialog::makeButton(Control control, const QString& caption)
{
    auto* button = new SkinButton(int(control), this);
    button->setGeometry(NewCollageForm::controlRect(control));
    button->setCaption(caption);
    return button;
}

SkinRadioButton* NewCollageDialog::modeButton(int mode) const
{
    return mode >= 0 && mode < 3 ? m_modes[std::size_t(mode)] : nullptr;
}

void NewCollageDialog::setCaption(const QString& caption)
{
    ToolDialog::setCaption(NewCollageForm::captionOrDefault(caption));
}

void NewCollageDialog::setSettings(const CanvasSettings& settings)
{
    m_settings = settings;
    m_mode = settings.pictureMode;
    m_width->setText(QString::number(settings.width));
    m_height->setText(QString::number(settings.height));
    m_colour->setColour(settings.backgroundColour);
    m_path->setText(settings.picturePath);
    // A mode outside the three leaves every button off.
    for (int mode = 0; mode < 3; ++mode)
        m_modes[std::size_t(mode)]->setOn(mode == settings.pictureMode);
}

void NewCollageDialog::chooseMode(int mode)
{
    m_mode = mode;
    for (int i = 0; i < 3; ++i)
        m_modes[std::size_t(i)]->setOn(i == mode);
}

void NewCollageDialog::browse()
{
    const QStringList files = m_prompter.openFiles(NewCollageForm::pictureFilter(), Prompter::Selection::Single);
    if (files.isEmpty())
        return;
    m_path->setText(files.first());
}

void NewCollageDialog::refuse(QWidget* field, const QString& message)
{
    m_prompter.message(message, Prompter::Icon::Warning);
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
}

bool NewCollageDialog::takeSize(QLineEdit* edit, int* value)
{
    const Result<int> size = NewCollageForm::parseSize(edit->text());
    if (!size) {
        refuse(edit, size.message());
        return false;
    }
    *value = *size;
    return true;
}

void NewCollageDialog::accept()
{
    int width = 0;
    int height = 0;
    if (!takeSize(m_width, &width) || !takeSize(m_height, &height))
        return;
    const QString path = m_path->text();
    const Status pathFits = NewCollageForm::checkPicturePath(path);
    if (!pathFits) {
        refuse(m_path, pathFits.message());
        return;
    }
    m_settings.width = width;
    m_settings.height = height;
    m_settings.picturePath = path;
    m_settings.backgroundColour = m_colour->colour();
    m_settings.pictureMode = m_mode;
    ToolDialog::accept();
}

void NewCollageDialog::keyPressEvent(QKeyEvent* event)
{
    // Enter anywhere in the dialog is "OK", as in any dialog with a default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    ToolDialog::keyPressEvent(event);
}

void NewCollageDialog::paintContent(QPainter& painter)
{
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    const QPoint pixels(NewCollageForm::kPixelsLabelOffset, 0);
    painter.setPen(Qt::black);
    painter.drawText(NewCollageForm::widthLabelRect(), flags, QStringLiteral("Width"));
    painter.drawText(NewCollageForm::widthLabelRect().translated(pixels), flags, QStringLiteral("pixels"));
    painter.drawText(NewCollageForm::heightLabelRect(), flags, QStringLiteral("Height"));
    painter.drawText(NewCollageForm::heightLabelRect().translated(pixels), flags, QStringLiteral("pixels"));
    painter.drawText(NewCollageForm::colourLabelRect(), flags, QStringLiteral("Background Color"));
    painter.drawText(NewCollageForm::pictureLabelRect(), flags, QStringLiteral("Background Image"));
}

} // namespace montora
