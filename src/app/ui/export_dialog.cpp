#include "app/ui/export_dialog.h"

#include "controls/skin_button.h"
#include "controls/skin_radio_button.h"
#include "platform/prompter.h"

#include <QIntValidator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

namespace montora {

namespace {

constexpr int kWidth = 312;
constexpr int kPictureHeight = 178;
constexpr int kPdfHeight = 226;
constexpr int kLeft = 18;
constexpr int kIndent = 28;
const char* const kEditStyle = "QLineEdit { border: 1px solid #A8A8A8; background: white; padding: 0px; }";
constexpr PdfPage kPages[] = {PdfPage::A4, PdfPage::A3, PdfPage::Letter, PdfPage::Fit};

QRect labelRect(int top) { return QRect(kLeft, top, kWidth - 2 * kLeft, 16); }

} // namespace

ExportDialog::ExportDialog(Prompter& prompter, bool pdf, QSize collage, QWidget* parent)
    : ToolDialog(parent), m_prompter(prompter), m_pdf(pdf), m_collage(collage)
{
    const int height = pdf ? kPdfHeight : kPictureHeight;
    setFixedSize(kWidth, height);
    setCaption(captionText());
    if (pdf)
        buildPage();
    else
        buildScale();
    m_ok = new SkinButton(1, this);
    m_ok->setCaption(QStringLiteral("OK"));
    m_ok->setGeometry(kWidth - 176, height - 36, 75, 23);
    connect(m_ok, &SkinButton::clicked, this, &ExportDialog::accept);
    m_cancel = new SkinButton(2, this);
    m_cancel->setCaption(QStringLiteral("Cancel"));
    m_cancel->setGeometry(kWidth - 93, height - 36, 75, 23);
    connect(m_cancel, &SkinButton::clicked, this, &ExportDialog::reject);
    setOptions(ExportOptions());
}

SkinRadioButton* ExportDialog::makeRadio(const QString& caption, const QRect& place)
{
    auto* button = new SkinRadioButton(0, caption, this);
    button->setGeometry(place);
    return button;
}

void ExportDialog::turnOn(const QList<SkinRadioButton*>& group, int index)
{
    for (int i = 0; i < group.size(); ++i)
        group[i]->setOn(i == index);
}

void ExportDialog::buildScale()
{
    for (int scale = 1; scale <= ExportOptions::kMaxScale; ++scale) {
        const QString caption = QStringLiteral("%1x   %2 x %3 pixels")
                                    .arg(scale)
                                    .arg(qint64(m_collage.width()) * scale)
                                    .arg(qint64(m_collage.height()) * scale);
        SkinRadioButton* button = makeRadio(caption, QRect(kIndent, 62 + 24 * (scale - 1), kWidth - kIndent - 12, 20));
        const int index = scale - 1;
        connect(button, &SkinRadioButton::clicked, this, [this, index] {
            m_options.scale = index + 1;
            turnOn(m_scales, index);
        });
        m_scales << button;
    }
}

void ExportDialog::buildPage()
{
    const QStringList captions{QStringLiteral("A4"), QStringLiteral("A3"), QStringLiteral("Letter"),
                               QStringLiteral("The collage's shape")};
    const QRect places[] = {QRect(kIndent, 60, 60, 20), QRect(kIndent + 66, 60, 60, 20),
                            QRect(kIndent + 132, 60, 70, 20), QRect(kIndent, 82, 180, 20)};
    for (int i = 0; i < 4; ++i) {
        SkinRadioButton* button = makeRadio(captions[i], places[i]);
        connect(button, &SkinRadioButton::clicked, this, [this, i] {
            m_options.page = kPages[i];
            turnOn(m_pages, i);
        });
        m_pages << button;
    }
    const QStringList turns{QStringLiteral("Portrait"), QStringLiteral("Landscape")};
    for (int i = 0; i < 2; ++i) {
        SkinRadioButton* button = makeRadio(turns[i], QRect(kIndent + 100 * i, 128, 96, 20));
        connect(button, &SkinRadioButton::clicked, this, [this, i] {
            m_options.landscape = i == 1;
            turnOn(m_orientation, i);
        });
        m_orientation << button;
    }
    m_dpi = new QLineEdit(this);
    m_dpi->setStyleSheet(QLatin1String(kEditStyle));
    m_dpi->setGeometry(kIndent + 72, 160, 52, 20);
    m_dpi->setValidator(new QIntValidator(0, 9999, m_dpi));
}

SkinRadioButton* ExportDialog::scaleButton(int scale) const { return m_scales.value(scale - 1); }

SkinRadioButton* ExportDialog::pageButton(PdfPage page) const { return m_pages.value(int(page)); }

void ExportDialog::setOptions(const ExportOptions& options)
{
    m_options = options;
    if (!m_scales.isEmpty())
        turnOn(m_scales, options.scale - 1);
    if (!m_pages.isEmpty()) {
        turnOn(m_pages, int(options.page));
        turnOn(m_orientation, options.landscape ? 1 : 0);
        m_dpi->setText(QString::number(options.dpi));
    }
}

void ExportDialog::accept()
{
    if (m_dpi) {
        const Result<int> dpi = ExportOptions::parseDpi(m_dpi->text());
        if (!dpi) {
            m_prompter.message(dpi.message(), Prompter::Icon::Warning);
            m_dpi->setFocus(Qt::OtherFocusReason);
            m_dpi->selectAll();
            return;
        }
        m_options.dpi = *dpi;
    }
    ToolDialog::accept();
}

void ExportDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    ToolDialog::keyPressEvent(event);
}

void ExportDialog::paintContent(QPainter& painter)
{
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    painter.setPen(Qt::black);
    if (!m_pdf) {
        painter.drawText(labelRect(40), flags, QStringLiteral("Picture size"));
        return;
    }
    painter.drawText(labelRect(40), flags, QStringLiteral("Page"));
    painter.drawText(labelRect(108), flags, QStringLiteral("Orientation"));
    painter.drawText(QRect(kIndent, 162, 70, 16), flags, QStringLiteral("Resolution"));
    painter.drawText(QRect(kIndent + 130, 162, 120, 16), flags, QStringLiteral("dots per inch"));
}

} // namespace montora
