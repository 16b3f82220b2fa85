#pragma once

#include <cstdint>

class TZVBObject;

// The category filter: with "any", an item passes when the mask is empty or
// shares a category with it; with "all", when it carries every category of
// the mask; with the filter off, every item passes.
class CategoryFilter
{
public:
    enum class Mode { Off, Any, All };

    Mode GetMode() const { return m_mode; }
    void SetMode(Mode mode) { m_mode = mode; }
    std::uint32_t Mask() const { return m_mask; }
    void SetMask(std::uint32_t mask) { m_mask = mask; }
    bool IsOn() const { return m_mode != Mode::Off; }

    bool Passes(std::uint32_t categories) const;
    bool PassesFilter(const TZVBObject& item) const;

private:
    Mode m_mode = Mode::Off;
    std::uint32_t m_mask = 0;
};
