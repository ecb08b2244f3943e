#include "app/zoom_list.h"

namespace montora {

QStringList ZoomList::captions()
{
    return {QStringLiteral("25%"),  QStringLiteral("50%"),  QStringLiteral("75%"),  QStringLiteral("100%"),
            QStringLiteral("125%"), QStringLiteral("150%"), QStringLiteral("175%"), QStringLiteral("200%")};
}

float ZoomList::factorAt(int index)
{
    if (index < 0 || index >= kCount)
        return 1.0f;
    return 0.25f * float(index + 1);
}

bool ZoomList::select(int index)
{
    if (index < 0 || index >= kCount || index == m_index)
        return false;
    m_index = index;
    return true;
}

} // namespace montora
