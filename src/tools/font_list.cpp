#include "tools/font_list.h"

#include "text/text_style_record.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>
#include <QRegularExpression>

#include <algorithm>

namespace montora {

namespace {

// A family that several foundries provide is named "Family [foundry]"; a text style
// names the family only.
QString withoutFoundry(QString family)
{
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    return family.remove(foundry);
}

} // namespace

QStringList FontList::faces()
{
    QStringList families = QFontDatabase::families();
    for (QString& family : families)
        family = withoutFoundry(family);
    return offered(families, isLoadable);
}

QStringList FontList::offered(const QStringList& families, const LoadCheck& loadable)
{
    QStringList faces;
    for (const QString& face : families) {
        if (face.isEmpty() || face.startsWith(QLatin1Char('@')) || face == QLatin1String("Aharoni"))
            continue;
        if (face.toUtf8().size() >= FontRecord::kFaceNameSize)
            continue;
        if (!faces.contains(face) && loadable(face))
            faces.append(face);
    }
    std::sort(faces.begin(), faces.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return faces;
}

bool FontList::isLoadable(const QString& face)
{
    if (QFontDatabase::isPrivateFamily(face) || !QFontDatabase::isSmoothlyScalable(face))
        return false;
    QFont font(face);
    font.setPixelSize(24);
    return withoutFoundry(QFontInfo(font).family()) == face && QRawFont::fromFont(font).isValid();
}

} // namespace montora
