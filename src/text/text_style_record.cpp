#include "text/text_style_record.h"

#include "base/fixed_text.h"

#include <cmath>
#include <cstring>

namespace montora {

QString FontRecord::faceName() const
{
    return FixedText::decode(lfFaceName, kFaceNameSize);
}

Status FontRecord::setFaceName(const QString& face)
{
    MONTORA_TRY_ASSIGN(field, FixedText::encode(face, kFaceNameSize, FixedText::Overflow::Refuse));
    std::memcpy(lfFaceName, field.constData(), kFaceNameSize);
    return Status::ok();
}

QString TextStyleRecord::text() const
{
    return FixedText::decode(textBytes, kTextSize);
}

void TextStyleRecord::setText(const QString& text)
{
    FixedText::encodeInto(text, textBytes, kTextSize);
}

int TextStyleRecord::alpha() const
{
    // Computed in single precision like the stored float, so 0.5 gives 127 (127.5 cut).
    float t = transparency;
    if (std::isnan(t) || t < 0.0f)
        t = 0.0f;
    else if (t > 1.0f)
        t = 1.0f;
    return int(255.0f - 255.0f * t);
}

} // namespace montora
