#include "model/CategoryFilter.h"

#include "model/ZVBObject.h"

bool CategoryFilter::Passes(std::uint32_t categories) const
{
    switch (m_mode) {
    case Mode::Any: return m_mask == 0 || (m_mask & categories) != 0;
    case Mode::All: return (m_mask & categories) == m_mask;
    case Mode::Off: break;
    }
    return true;
}

bool CategoryFilter::PassesFilter(const TZVBObject& item) const
{
    return Passes(item.Categories());
}
