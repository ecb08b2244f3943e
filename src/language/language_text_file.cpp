#include "language/language_text_file.h"

#include "language/language_table.h"
#include "base/fixed_text.h"

#include <QRegularExpression>
#include <QStringList>

#include <cstring>

namespace montora {

Result<QMap<int, QString>> LanguageTextFile::parse(const QString& text)
{
    static const QRegularExpression linePattern(QStringLiteral("^(\\d+):(?: (.*))?$"));
    QMap<int, QString> texts;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const auto match = linePattern.match(line);
        bool numeric = false;
        const int slot = match.hasMatch() ? match.captured(1).toInt(&numeric) : -1;
        if (!numeric)
            return Result<QMap<int, QString>>::error(
                QStringLiteral("line %1: expected \"SLOT: text\", found \"%2\"").arg(i + 1).arg(line));
        if (slot > kMaxSlot)
            return Result<QMap<int, QString>>::error(
                QStringLiteral("line %1: slot %2 is beyond the last slot that fits, %3").arg(i + 1).arg(slot).arg(kMaxSlot));
        if (texts.contains(slot))
            return Result<QMap<int, QString>>::error(QStringLiteral("line %1: slot %2 is given twice").arg(i + 1).arg(slot));
        texts.insert(slot, match.captured(2));
    }
    return texts;
}

Result<QByteArray> LanguageTextFile::buildBlock(const QMap<int, QString>& texts)
{
    const int count = texts.isEmpty() ? 0 : texts.lastKey() + 1;
    QByteArray block(qsizetype(count) * LanguageTable::kSlotSize, '\0');
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        auto field = FixedText::encode(it.value(), LanguageTable::kSlotSize, FixedText::Overflow::Refuse);
        if (!field)
            return Result<QByteArray>::error(QStringLiteral("slot %1: %2").arg(it.key()).arg(field.message()));
        std::memcpy(block.data() + qsizetype(it.key()) * LanguageTable::kSlotSize, field->constData(),
                    LanguageTable::kSlotSize);
    }
    return block;
}

QString LanguageTextFile::format(const LanguageTable& table)
{
    QString text;
    for (int slot = 0; slot < table.slotCount(); ++slot) {
        const QString entry = table.text(slot);
        text += entry.isEmpty() ? QStringLiteral("%1:\n").arg(slot) : QStringLiteral("%1: %2\n").arg(slot).arg(entry);
    }
    return text;
}

Result<QByteArray> LanguageTextFile::plainFromText(const QString& text)
{
    MONTORA_TRY_ASSIGN(texts, parse(text));
    return buildBlock(texts);
}

} // namespace montora
