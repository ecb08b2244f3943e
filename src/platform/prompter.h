#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>

namespace montora {

// Every message box, file, folder and colour dialog goes through a Prompter, so
// the program shows Qt dialogs and the tests answer them from a script.
class Prompter {
public:
    enum class Icon { Information, Warning, Error, Question };
    // SaveDontSaveCancel: "Save", "Don't Save" and "Cancel", answered Save,
    // DontSave or Cancel.
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, SaveDontSaveCancel };
    enum class Answer { Ok, Cancel, Yes, No, Save, DontSave };
    enum class Selection { Single, Multiple };

    static QString defaultCaption() { return QStringLiteral("Montora Studio"); }

    virtual ~Prompter() = default;

    virtual Answer message(const QString& text, Icon icon = Icon::Information, Buttons buttons = Buttons::Ok,
                           const QString& caption = defaultCaption()) = 0;
    // Filters use the design's "label|patterns|label|patterns||" form.
    virtual QStringList openFiles(const QString& filter, Selection selection,
                                  const QString& startFolder = QString()) = 0;
    virtual QString saveFile(const QString& filter, const QString& defaultName,
                             const QString& startFolder = QString()) = 0;
    virtual QString chooseFolder(const QString& title, const QString& startFolder = QString()) = 0;
    virtual std::optional<QColor> chooseColour(const QColor& initial) = 0;

    // "(*.jpg)|*.jpg|(*.png)|*.png||" -> "(*.jpg) (*.jpg);;(*.png) (*.png)"
    static QString toQtFilter(const QString& designFilter);
};

} // namespace montora
