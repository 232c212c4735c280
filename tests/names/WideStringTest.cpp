#include <ViVuzaZadurUI/StringUtil.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

using velmar::platform::core::units::StringUtil;

namespace {

constexpr wchar_t kGuard = L'#';

struct CopyCase {
    const wchar_t* text;
    int size;
    int returned;
    const wchar_t* written; // the text in the buffer; null when nothing may be written
};

void PrintTo(const CopyCase& c, std::ostream* out) {
    *out << QString::fromWCharArray(c.text).toStdString() << " into " << c.size;
}

class QStringToWchar : public ::testing::TestWithParam<CopyCase> {};

// The buffer sits between guard characters; the copy must never touch them, nor anything
// past the given size.
TEST_P(QStringToWchar, CopiesUnderTheBufferRule) {
    const CopyCase& c = GetParam();
    std::array<wchar_t, 32> memory;
    memory.fill(kGuard);
    wchar_t* buffer = memory.data() + 1;
    QString text = QString::fromWCharArray(c.text);
    EXPECT_EQ(StringUtil::QStringToWchar(text, buffer, c.size), c.returned);
    EXPECT_EQ(memory[0], kGuard);
    int capacity = c.size == -1 ? static_cast<int>(std::wcslen(c.text)) + 1 : std::max(c.size, 0);
    for (size_t i = 1 + capacity; i < memory.size(); ++i)
        EXPECT_EQ(memory[i], kGuard) << "written past the buffer at " << i - 1;
    if (c.written == nullptr)
        EXPECT_EQ(buffer[0], kGuard);
    else
        EXPECT_EQ(std::wstring(buffer), std::wstring(c.written));

    memory.fill(kGuard);
    EXPECT_EQ(StringUtil::QStringToWchar2(text, buffer, c.size), buffer);
    if (c.written != nullptr) {
        EXPECT_EQ(std::wstring(buffer), std::wstring(c.written));
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, QStringToWchar,
                         ::testing::Values(CopyCase{L"abcdefgh", 5, 4, L"abcd"},
                                           CopyCase{L"abcdefgh", 9, 8, L"abcdefgh"},
                                           CopyCase{L"abcdefgh", 8, 7, L"abcdefg"},
                                           CopyCase{L"abcdefgh", 20, 8, L"abcdefgh"},
                                           CopyCase{L"abcdefgh", -1, 8, L"abcdefgh"},
                                           CopyCase{L"abcdefgh", 1, 0, L""},
                                           CopyCase{L"", 10, 0, L""}, CopyCase{L"", 1, 0, L""},
                                           CopyCase{L"", -1, 0, L""},
                                           CopyCase{L"abc", 0, 0, nullptr},
                                           CopyCase{L"abc", -2, 0, nullptr},
                                           // A character outside the BMP is one wide character.
                                           CopyCase{L"x\U0001F600y", 3, 2, L"x\U0001F600"},
                                           CopyCase{L"x\U0001F600y", -1, 3, L"x\U0001F600y"}));

TEST(QStringToWcharLength, NullBufferAsksForTheLength) {
    EXPECT_EQ(StringUtil::QStringToWchar(QStringLiteral("abcdefgh"), nullptr, 5), 8);
    EXPECT_EQ(StringUtil::QStringToWchar(QString::fromWCharArray(L"x\U0001F600y"), nullptr, -1), 3);
    EXPECT_EQ(StringUtil::QStringToWchar2(QStringLiteral("abc"), nullptr, 10), nullptr);
}

TEST(WcharToQString, TakesTheWholeText) {
    EXPECT_EQ(StringUtil::WcharToQString(L"m/s\u00b2"), QStringLiteral("m/s²"));
    EXPECT_EQ(StringUtil::WcharToQString(L"\U0001F600").size(), 2); // a surrogate pair
    EXPECT_TRUE(StringUtil::WcharToQString(nullptr).isEmpty());
    EXPECT_TRUE(StringUtil::WcharToQString(L"").isEmpty());
}

} // namespace
