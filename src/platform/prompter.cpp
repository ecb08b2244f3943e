#include "platform/prompter.h"

namespace montora {

QString Prompter::toQtFilter(const QString& designFilter)
{
    const QStringList parts = designFilter.split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& label = parts[i];
        if (label.isEmpty())
            break;
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        filters << QStringLiteral("%1 (%2)").arg(label, patterns);
    }
    return filters.join(QStringLiteral(";;"));
}

} // namespace montora
