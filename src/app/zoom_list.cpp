#include "app/zoom_list.h"

namespace montora {

QStringList ZoomList::captions()
{
    return {QStringLiteral("25%"),  QStringLiteral("50%"),  QStringLiteral("75%"),  QStringLiteral("100%"),
            QStringLiteral("125%"), QStringLiteral("150%"), QStringLiteral("175%"), QStringLiteral("200%")};
}

QStringList ZoomList::boxCaptions() { return captions() << QStringLiteral("Fit"); }

float ZoomList::factorAt(int index)
{
    if (index < 0 || index >= kCount)
        return 1.0f;
    return 0.25f * float(index + 1);
}

bool ZoomList::select(int index)
{
    if (index < 0 || index >= kCount || (index == m_index && !m_fitting))
        return false;
    m_index = index;
    m_fitting = false;
    return true;
}

bool ZoomList::zoomIn()
{
    if (!m_fitting)
        return select(m_index + 1);
    int next = 0;
    while (next < kCount - 1 && factorAt(next) <= m_fitFactor)
        ++next;
    if (factorAt(next) <= m_fitFactor)
        return false;
    m_fitting = false;
    m_index = next;
    return true;
}

bool ZoomList::zoomOut()
{
    if (!m_fitting)
        return select(m_index - 1);
    int next = kCount - 1;
    while (next > 0 && factorAt(next) >= m_fitFactor)
        --next;
    if (factorAt(next) >= m_fitFactor)
        return false;
    m_fitting = false;
    m_index = next;
    return true;
}

void ZoomList::selectFit(float fitFactor)
{
    m_fitting = true;
    m_fitFactor = fitFactor > 0 ? fitFactor : 1.0f;
}

} // namespace montora
