#include "tools/ui/batch_convert_dialog.h"

#include "controls/skin_button.h"
#include "platform/prompter.h"
#include "tools/batch_convert_form.h"

#include <QListWidget>
#include <QPainter>

namespace montora {

namespace {

using Control = BatchConvertForm::Control;

const char* const kListStyle = "QListWidget { border: 1px solid #A8A8A8; background: white; }";
const QColor kPathBackground(230, 230, 230);
const QColor kLine(200, 200, 200);

} // namespace

BatchConvertDialog::BatchConvertDialog(Prompter& prompter, QWidget* parent)
    : ToolDialog(parent), m_prompter(prompter), m_folder(BatchConvertForm::defaultOutputFolder())
{
    setFixedSize(BatchConvertForm::clientSize());
    setCaption(BatchConvertForm::caption());
    setWindowFlag(Qt::WindowMinimizeButtonHint);

    m_fileList = makeList(BatchConvertForm::controlRect(Control::FileList));
    m_fileList->setSelectionMode(QAbstractItemView::NoSelection);
    m_formatList = makeList(BatchConvertForm::controlRect(Control::FormatList));
    m_formatList->addItems(BatchConverter::formats());
    m_formatList->setCurrentRow(0);

    m_add = makeButton(int(Control::AddFiles), QStringLiteral("Add Picture File"));
    connect(m_add, &SkinButton::clicked, this, &BatchConvertDialog::addFiles);
    m_convert = makeButton(int(Control::Convert), QStringLiteral("Convert"));
    connect(m_convert, &SkinButton::clicked, this, &BatchConvertDialog::convert);
    m_browse = makeButton(int(Control::Browse), QStringLiteral("Browse..."));
    connect(m_browse, &SkinButton::clicked, this, &BatchConvertDialog::browse);
}

BatchConvertDialog::~BatchConvertDialog()
{
    stopAndWait();
}

SkinButton* BatchConvertDialog::makeButton(int id, const QString& caption)
{
    auto* button = new SkinButton(id, this);
    button->setGeometry(BatchConvertForm::controlRect(Control(id)));
    button->setCaption(caption);
    return button;
}

QListWidget* BatchConvertDialog::makeList(const QRect& place)
{
    auto* list = new QListWidget(this);
    list->setGeometry(place);
    list->setStyleSheet(QLatin1String(kListStyle));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return list;
}

void BatchConvertDialog::addSources(const QStringList& paths)
{
    m_sources += paths;
    m_fileList->addItems(paths);
}

void BatchConvertDialog::setOutputFolder(const QString& folder)
{
    m_folder = BatchConvertForm::withSeparator(folder);
    update();
}

QString BatchConvertDialog::format() const
{
    const QList<QListWidgetItem*> selected = m_formatList->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void BatchConvertDialog::addFiles()
{
    addSources(m_prompter.openFiles(BatchConvertForm::addFilesFilter(), Prompter::Selection::Multiple));
}

void BatchConvertDialog::browse()
{
    const QString folder = m_prompter.chooseFolder(BatchConvertForm::browseTitle(), m_folder);
    if (!folder.isEmpty())
        setOutputFolder(folder);
}

void BatchConvertDialog::convert()
{
    const QString chosen = format();
    if (isConverting() || chosen.isEmpty() || m_sources.isEmpty())
        return;
    if (m_worker.joinable())
        m_worker.join();
    m_runFiles = int(m_sources.size());
    m_done = 0;
    m_converter = std::make_unique<BatchConverter>(m_sources, chosen, m_folder);
    BatchConverter::Callbacks callbacks;
    callbacks.started = [this](int index) {
        QMetaObject::invokeMethod(this, [this, index] { emit fileStarted(index); }, Qt::QueuedConnection);
    };
    callbacks.finished = [this](const BatchConverter::FileResult& result) {
        QMetaObject::invokeMethod(this, [this, done = result.done] { fileFinished(done); }, Qt::QueuedConnection);
    };
    m_converter->setCallbacks(std::move(callbacks));
    m_worker = std::jthread([this, converter = m_converter.get()] {
        const BatchConverter::Summary summary = converter->run();
        QMetaObject::invokeMethod(this, [this, summary] { runEnded(summary); }, Qt::QueuedConnection);
    });
    emit runStarted();
}

void BatchConvertDialog::fileFinished(int done)
{
    m_done = done;
    update(BatchConvertForm::progressFrameRect());
}

void BatchConvertDialog::runEnded(const BatchConverter::Summary& summary)
{
    m_worker.join();
    m_converter.reset();
    m_done = 0;
    update();
    if (!summary.failures.isEmpty())
        m_prompter.message(BatchConvertForm::failureMessage(summary.failures), Prompter::Icon::Warning);
    emit runFinished(summary.written, int(summary.failures.size()));
    if (m_closeWhenStopped)
        ToolDialog::reject();
}

void BatchConvertDialog::reject()
{
    if (!isConverting())
        return ToolDialog::reject();
    if (m_closeWhenStopped)
        return; // already stopping; the dialog closes once the file in hand is written
    const Prompter::Answer answer =
        m_prompter.message(BatchConvertForm::stopQuestion(), Prompter::Icon::Question, Prompter::Buttons::YesNo,
                           BatchConvertForm::stopCaption());
    if (answer != Prompter::Answer::Yes)
        return;
    // The run may have ended while the question was open.
    if (!isConverting())
        return ToolDialog::reject();
    m_closeWhenStopped = true;
    m_converter->requestStop();
}

void BatchConvertDialog::stopAndWait()
{
    if (m_converter)
        m_converter->requestStop();
    if (m_worker.joinable())
        m_worker.join();
}

void BatchConvertDialog::paintContent(QPainter& painter)
{
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    painter.setPen(Qt::black);
    painter.drawText(BatchConvertForm::fileLabelRect(), flags, QStringLiteral("Picture Files"));
    painter.drawText(BatchConvertForm::formatLabelRect(), flags, QStringLiteral("Output Format"));
    painter.drawText(BatchConvertForm::pathLabelRect(), flags, QStringLiteral("Path"));

    painter.fillRect(BatchConvertForm::pathBoxRect(), kPathBackground);
    painter.setPen(kLine);
    painter.drawRect(BatchConvertForm::pathBoxRect().adjusted(0, 0, -1, -1));
    painter.setPen(Qt::black);
    const QRect text = BatchConvertForm::pathTextRect();
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(m_folder, Qt::ElideMiddle, text.width()));

    painter.setPen(kLine);
    painter.drawRect(BatchConvertForm::progressFrameRect().adjusted(0, 0, -1, -1));
    painter.fillRect(BatchConvertForm::progressFillRect(m_done, m_runFiles), kLine);
}

} // namespace montora
