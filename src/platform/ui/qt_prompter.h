#pragma once

#include "platform/prompter.h"

class QWidget;

namespace montora {

// The program's Prompter: Qt's message boxes and file, folder and colour dialogs.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    Answer message(const QString& text, Icon icon, Buttons buttons, const QString& caption) override;
    QStringList openFiles(const QString& filter, Selection selection, const QString& startFolder) override;
    QString saveFile(const QString& filter, const QString& defaultName, const QString& startFolder) override;
    QString chooseFolder(const QString& title, const QString& startFolder) override;
    std::optional<QColor> chooseColour(const QColor& initial) override;

private:
    QWidget* m_parent;
};

} // namespace montora
