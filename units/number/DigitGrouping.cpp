#include "units/number/DigitGrouping.h"

#include <algorithm>

namespace velmar::platform::core::units {

namespace {

// Counts has a bit for each count up to the index of the last size and one for more: 64 bits
// hold 63 sizes.
constexpr size_t kMaxSizes = 63;

// The sizes of settings that allow no group at all.
constexpr int kUngrouped = 0;

} // namespace

DigitGrouping::DigitGrouping(const NumberSettings& settings) {
    if (!settings.checkGroupSizes)
        return;
    const std::vector<int>& sizes = settings.numericFormat == nfFraction
                                        ? NumberSettings::Defaults().groupSizes
                                        : settings.groupSizes;
    sizes_ = sizes.empty() ? &kUngrouped : sizes.data();
    last_ = std::min(std::max<size_t>(sizes.size(), 1), kMaxSizes) - 1;
    spaceLike_ = settings.groupSeparator.size() == 1 && IsSpaceLike(settings.groupSeparator[0]);
}

DigitGrouping::Counts DigitGrouping::Lead(size_t digits, bool loneZero) const {
    if (!Checked() || digits == 0 || loneZero)
        return 0;
    Counts counts = 0;
    // A size of 0, where the grouping ends, takes any number of digits.
    for (size_t count = 1; count <= last_; ++count) {
        auto size = static_cast<size_t>(SizeBefore(count));
        if (size == 0 || digits <= size)
            counts |= Counts{1} << count;
    }
    // Followed by more groups, the first has the repeating size; where that is 0 the grouping
    // ends before them.
    auto repeating = static_cast<size_t>(sizes_[last_]);
    if (repeating > 0 && digits <= repeating)
        counts |= More();
    return counts;
}

DigitGrouping::Counts DigitGrouping::Follow(Counts before, size_t digits) const {
    if (digits == 0)
        return 0;
    // One group fewer follows this one than the one before it; of more than the index of the
    // last size, one fewer may still be more.
    Counts candidates = (before >> 1) | (before & More());
    Counts counts = 0;
    for (size_t count = 0; count <= last_ + 1; ++count)
        if ((candidates >> count & 1) != 0 && static_cast<size_t>(SizeBefore(count)) == digits)
            counts |= Counts{1} << count;
    return counts;
}

} // namespace velmar::platform::core::units
