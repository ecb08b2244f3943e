#include "imaging/wmf_font_map.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace montora {

namespace {

struct Face {
    const char* name;
    const char* fullName;
    const char* family;
    int weight;
    const char* style;
    const char* stretch;
    const char* file; // in the URW folder
};

// The faces and attributes of the image library's own Ghostscript map.
constexpr Face kFaces[] = {
    {"AvantGarde-Book", "AvantGarde Book", "AvantGarde", 400, "normal", "normal", "URWGothic-Book.t1"},
    {"AvantGarde-BookOblique", "AvantGarde Book Oblique", "AvantGarde", 400, "oblique", "normal", "URWGothic-BookOblique.t1"},
    {"AvantGarde-Demi", "AvantGarde DemiBold", "AvantGarde", 600, "normal", "normal", "URWGothic-Demi.t1"},
    {"AvantGarde-DemiOblique", "AvantGarde DemiOblique", "AvantGarde", 600, "oblique", "normal", "URWGothic-DemiOblique.t1"},
    {"Bookman-Demi", "Bookman DemiBold", "Bookman", 600, "normal", "normal", "URWBookman-Demi.t1"},
    {"Bookman-DemiItalic", "Bookman DemiBold Italic", "Bookman", 600, "italic", "normal", "URWBookman-DemiItalic.t1"},
    {"Bookman-Light", "Bookman Light", "Bookman", 300, "normal", "normal", "URWBookman-Light.t1"},
    {"Bookman-LightItalic", "Bookman Light Italic", "Bookman", 300, "italic", "normal", "URWBookman-LightItalic.t1"},
    {"Courier", "Courier Regular", "Courier", 400, "normal", "normal", "NimbusMonoPS-Regular.t1"},
    {"Courier-Bold", "Courier Bold", "Courier", 700, "normal", "normal", "NimbusMonoPS-Bold.t1"},
    {"Courier-Oblique", "Courier Regular Oblique", "Courier", 400, "oblique", "normal", "NimbusMonoPS-Italic.t1"},
    {"Courier-BoldOblique", "Courier Bold Oblique", "Courier", 700, "oblique", "normal", "NimbusMonoPS-BoldItalic.t1"},
    {"Helvetica", "Helvetica Regular", "Helvetica", 400, "normal", "normal", "NimbusSans-Regular.t1"},
    {"Helvetica-Bold", "Helvetica Bold", "Helvetica", 700, "normal", "normal", "NimbusSans-Bold.t1"},
    {"Helvetica-Oblique", "Helvetica Regular Italic", "Helvetica", 400, "italic", "normal", "NimbusSans-Italic.t1"},
    {"Helvetica-BoldOblique", "Helvetica Bold Italic", "Helvetica", 700, "italic", "normal", "NimbusSans-BoldItalic.t1"},
    {"Helvetica-Narrow", "Helvetica Narrow", "Helvetica Narrow", 400, "normal", "condensed", "NimbusSansNarrow-Regular.t1"},
    {"Helvetica-Narrow-Oblique", "Helvetica Narrow Oblique", "Helvetica Narrow", 400, "oblique", "condensed",
     "NimbusSansNarrow-Oblique.t1"},
    {"Helvetica-Narrow-Bold", "Helvetica Narrow Bold", "Helvetica Narrow", 700, "normal", "condensed",
     "NimbusSansNarrow-Bold.t1"},
    {"Helvetica-Narrow-BoldOblique", "Helvetica Narrow Bold Oblique", "Helvetica Narrow", 700, "oblique", "condensed",
     "NimbusSansNarrow-BoldOblique.t1"},
    {"NewCenturySchlbk-Roman", "New Century Schoolbook", "NewCenturySchlbk", 400, "normal", "normal", "C059-Roman.t1"},
    {"NewCenturySchlbk-Italic", "New Century Schoolbook Italic", "NewCenturySchlbk", 400, "italic", "normal",
     "C059-Italic.t1"},
    {"NewCenturySchlbk-Bold", "New Century Schoolbook Bold", "NewCenturySchlbk", 700, "normal", "normal", "C059-Bold.t1"},
    {"NewCenturySchlbk-BoldItalic", "New Century Schoolbook Bold Italic", "NewCenturySchlbk", 700, "italic", "normal",
     "C059-BdIta.t1"},
    {"Palatino-Roman", "Palatino Regular", "Palatino", 400, "normal", "normal", "P052-Roman.t1"},
    {"Palatino-Italic", "Palatino Italic", "Palatino", 400, "italic", "normal", "P052-Italic.t1"},
    {"Palatino-Bold", "Palatino Bold", "Palatino", 700, "normal", "normal", "P052-Bold.t1"},
    {"Palatino-BoldItalic", "Palatino Bold Italic", "Palatino", 700, "italic", "normal", "P052-BoldItalic.t1"},
    {"Times-Roman", "Times Regular", "Times", 400, "normal", "normal", "NimbusRoman-Regular.t1"},
    {"Times-Bold", "Times Medium", "Times", 700, "normal", "normal", "NimbusRoman-Bold.t1"},
    {"Times-Italic", "Times Regular Italic", "Times", 400, "italic", "normal", "NimbusRoman-Italic.t1"},
    {"Times-BoldItalic", "Times Medium Italic", "Times", 700, "italic", "normal", "NimbusRoman-BoldItalic.t1"},
    {"Symbol", "Symbol", "Symbol", 400, "normal", "normal", "StandardSymbolsPS.t1"},
};

QByteArray attribute(const char* name, const QString& value)
{
    return QByteArray(" ") + name + "=\"" + value.toHtmlEscaped().toUtf8() + '"';
}

} // namespace

QByteArray WmfFontMap::typeMap(const QString& fontFolder)
{
    QByteArray types;
    for (const Face& face : kFaces) {
        const QString file = QDir(fontFolder).filePath(QLatin1String(face.file));
        if (!QFileInfo(file).isFile())
            continue;
        types += "  <type" + attribute("name", QLatin1String(face.name)) + attribute("fullname", QLatin1String(face.fullName)) +
                 attribute("family", QLatin1String(face.family)) + attribute("foundry", QStringLiteral("URW")) +
                 attribute("weight", QString::number(face.weight)) + attribute("style", QLatin1String(face.style)) +
                 attribute("stretch", QLatin1String(face.stretch)) + attribute("format", QStringLiteral("type1")) +
                 attribute("glyphs", file) + " />\n";
    }
    if (types.isEmpty())
        return QByteArray();
    return "<?xml version=\"1.0\"?>\n<typemap>\n" + types + "</typemap>\n";
}

bool WmfFontMap::install(const QString& configFolder, const QString& fontFolder)
{
    const QByteArray map = typeMap(fontFolder);
    if (map.isEmpty())
        return false;
    QFile file(QDir(configFolder).filePath(QStringLiteral("type.mgk")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(map) != map.size())
        return false;
    file.close();
    QByteArray searched = QFile::encodeName(configFolder);
    if (const QByteArray before = qgetenv("MAGICK_CONFIGURE_PATH"); !before.isEmpty())
        searched += ':' + before;
    return qputenv("MAGICK_CONFIGURE_PATH", searched);
}

} // namespace montora
