#include "support/scripted_prompter.h"

namespace montora::test {

namespace {

template <typename T>
T takeFront(std::deque<T>& queue, T fallback)
{
    if (queue.empty())
        return fallback;
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}

} // namespace

Prompter::Answer ScriptedPrompter::message(const QString& text, Icon icon, Buttons buttons, const QString& caption)
{
    asked.append({Asked::Kind::Message, text, caption, icon, buttons, QString()});
    const Answer fallback = buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    return takeFront(answers, fallback);
}

QStringList ScriptedPrompter::openFiles(const QString& filter, Selection, const QString& startFolder)
{
    asked.append({Asked::Kind::OpenFiles, filter, QString(), Icon::Information, Buttons::Ok, startFolder});
    return takeFront(openFileAnswers, QStringList());
}

QString ScriptedPrompter::saveFile(const QString& filter, const QString& defaultName, const QString& startFolder)
{
    asked.append({Asked::Kind::SaveFile, filter, defaultName, Icon::Information, Buttons::Ok, startFolder});
    return takeFront(saveFileAnswers, QString());
}

QString ScriptedPrompter::chooseFolder(const QString& title, const QString& startFolder)
{
    asked.append({Asked::Kind::Folder, title, QString(), Icon::Information, Buttons::Ok, startFolder});
    return takeFront(folderAnswers, QString());
}

std::optional<QColor> ScriptedPrompter::chooseColour(const QColor&)
{
    asked.append({Asked::Kind::Colour, QString(), QString(), Icon::Information, Buttons::Ok, QString()});
    return takeFront(colourAnswers, std::optional<QColor>());
}

QStringList ScriptedPrompter::messages() const
{
    QStringList texts;
    for (const Asked& question : asked)
        if (question.kind == Asked::Kind::Message)
            texts << question.text;
    return texts;
}

} // namespace montora::test
