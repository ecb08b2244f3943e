#pragma once

#include "platform/prompter.h"

#include <QList>

#include <deque>

namespace montora::test {

// A Prompter answered from a script. Every question is recorded, so a test can
// check what the user was asked; an unscripted question gets Cancel / nothing.
class ScriptedPrompter : public Prompter {
public:
    struct Asked {
        enum class Kind { Message, OpenFiles, SaveFile, Folder, Colour } kind;
        QString text;    // message text, filter or title
        QString caption; // message caption or default name
        Icon icon = Icon::Information;
        Buttons buttons = Buttons::Ok;
        QString startFolder; // of a file or folder dialog
    };

    std::deque<Answer> answers;
    std::deque<QStringList> openFileAnswers;
    std::deque<QString> saveFileAnswers;
    std::deque<QString> folderAnswers;
    std::deque<std::optional<QColor>> colourAnswers;
    QList<Asked> asked;

    Answer message(const QString& text, Icon icon, Buttons buttons, const QString& caption) override;
    QStringList openFiles(const QString& filter, Selection selection, const QString& startFolder) override;
    QString saveFile(const QString& filter, const QString& defaultName, const QString& startFolder) override;
    QString chooseFolder(const QString& title, const QString& startFolder) override;
    std::optional<QColor> chooseColour(const QColor& initial) override;

    QStringList messages() const;
};

} // namespace montora::test
