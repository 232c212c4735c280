#pragma once

#include "units/number/NumberSettings.h"

#include <cstddef>
#include <cstdint>

namespace velmar::platform::core::units {

// Where the number scanner lets a group separator stand: between digit groups of the
// formatter's group sizes. The sizes apply from the decimal separator outward, the last one
// repeating, and a size of 0 ends the grouping; the first group has 1 to its size digits (any
// number of them past the end of the grouping) and is not a lone zero, every later group has
// exactly its size. «1,500» and, with sizes 3 and 2, «12,34,567» are grouped so; «1,5»,
// «0,500» and «1234,567» are not. Where the group separator is space-like (U+0020, U+00A0,
// U+202F, U+2009), any of those stands in its place.
//
// The sizes that apply to a group depend on how many groups follow it, which the scanner
// learns only at the end of the integer part. So it reads the groups from left to right
// keeping the set of group counts that may still follow (Counts, one bit a count): a small
// value, no memory, and one look at each size a group. Bit j stands for exactly j groups to
// follow while j is at most the index of the last size; the bit after it stands for more.
//
// This is a view of the settings: it stays valid while they are unchanged (a formatter keeps
// one and makes it again when they change). The Fraction format writes its numbers with a new
// formatter's settings, so under it the groups are those of the initial settings, three
// digits. The check follows at most the first 63 sizes, the 63rd repeating in place of any
// after it.
class DigitGrouping {
public:
    // Group counts that may follow a group; bit j: j groups.
    using Counts = uint64_t;

    // No check: a group separator may stand anywhere among the integer digits.
    DigitGrouping() = default;
    // The check of the settings' group sizes, when checkGroupSizes is set; else no check.
    explicit DigitGrouping(const NumberSettings& settings);

    bool Checked() const { return sizes_ != nullptr; }
    // Whether c stands in for the group separator: the check is on, the separator is
    // space-like and so is c.
    bool StandsIn(wchar_t c) const { return spaceLike_ && IsSpaceLike(c); }
    // Whether the separator is space-like and checked. A space that separates no digit groups
    // then ends the number and is no fault of it: «5 1/2», «1 m 500 mm».
    bool SpaceLike() const { return spaceLike_; }

    // The counts of groups that may follow a first group of digits digits, which is the single
    // digit 0 when loneZero is set: none when it cannot lead a grouped number.
    Counts Lead(size_t digits, bool loneZero) const;
    // The counts that may follow a later group of digits digits, given those that might follow
    // the group before it.
    Counts Follow(Counts before, size_t digits) const;
    // Whether the group just read may be the last.
    static bool MayEnd(Counts counts) { return (counts & 1) != 0; }
    // The counts that remain when another group follows.
    static Counts GoOn(Counts counts) { return counts & ~Counts{1}; }

    static bool IsSpaceLike(wchar_t c) {
        return c == L' ' || c == L'\u00a0' || c == L'\u202f' || c == L'\u2009';
    }

private:
    // The size of a group that count groups follow; 0 past the end of the grouping.
    int SizeBefore(size_t count) const { return sizes_[count < last_ ? count : last_]; }
    // The bit that stands for more groups than the index of the last size.
    Counts More() const { return Counts{1} << (last_ + 1); }

    const int* sizes_ = nullptr;
    size_t last_ = 0; // index of the last size, the one that repeats
    bool spaceLike_ = false;
};

} // namespace velmar::platform::core::units
