#include "platform/ui/qt_prompter.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace montora {

namespace {

QMessageBox::Icon toQtIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Information: return QMessageBox::Information;
    case Prompter::Icon::Warning: return QMessageBox::Warning;
    case Prompter::Icon::Error: return QMessageBox::Critical;
    case Prompter::Icon::Question: return QMessageBox::Question;
    }
    return QMessageBox::Information;
}

QMessageBox::StandardButtons toQtButtons(Prompter::Buttons buttons)
{
    switch (buttons) {
    case Prompter::Buttons::Ok: return QMessageBox::Ok;
    case Prompter::Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Prompter::Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Prompter::Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Prompter::Buttons::SaveDontSaveCancel: return QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

Prompter::Answer fromQtButton(int button)
{
    switch (button) {
    case QMessageBox::Yes: return Prompter::Answer::Yes;
    case QMessageBox::No: return Prompter::Answer::No;
    case QMessageBox::Ok: return Prompter::Answer::Ok;
    case QMessageBox::Save: return Prompter::Answer::Save;
    case QMessageBox::Discard: return Prompter::Answer::DontSave;
    default: return Prompter::Answer::Cancel;
    }
}

} // namespace

Prompter::Answer QtPrompter::message(const QString& text, Icon icon, Buttons buttons, const QString& caption)
{
    QMessageBox box(toQtIcon(icon), caption, text, toQtButtons(buttons), m_parent);
    if (buttons == Buttons::SaveDontSaveCancel) {
        box.button(QMessageBox::Discard)->setText(QStringLiteral("Don't Save"));
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
    }
    return fromQtButton(box.exec());
}

QStringList QtPrompter::openFiles(const QString& filter, Selection selection, const QString& startFolder)
{
    const QString qtFilter = toQtFilter(filter);
    if (selection == Selection::Multiple)
        return QFileDialog::getOpenFileNames(m_parent, QString(), startFolder, qtFilter);
    const QString file = QFileDialog::getOpenFileName(m_parent, QString(), startFolder, qtFilter);
    return file.isEmpty() ? QStringList() : QStringList{file};
}

QString QtPrompter::saveFile(const QString& filter, const QString& defaultName, const QString& startFolder)
{
    const QString start = startFolder.isEmpty() ? defaultName : startFolder + '/' + defaultName;
    return QFileDialog::getSaveFileName(m_parent, QString(), start, toQtFilter(filter), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString QtPrompter::chooseFolder(const QString& title, const QString& startFolder)
{
    return QFileDialog::getExistingDirectory(m_parent, title, startFolder);
}

std::optional<QColor> QtPrompter::chooseColour(const QColor& initial)
{
    const QColor chosen = QColorDialog::getColor(initial, m_parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

} // namespace montora
