#include <ViVuzaZadurUI/StringUtil.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

using velmar::platform::core::units::StringUtil;

namespace {

constexpr wchar_t kGuard = L'#';

// The buffer sits between guard characters; the copy must never touch them, nor anything past
// the given size. A character outside the BMP is one wide character.
TEST(QStringToWchar, CopiesUnderTheBufferRule) {
    const struct {
        const wchar_t* text;
        int size;
        int returned;
        const wchar_t* written; // the text in the buffer; null when nothing may be written
    } cases[] = {{L"abcdefgh", 5, 4, L"abcd"},
                 {L"abcdefgh", 9, 8, L"abcdefgh"},
                 {L"abcdefgh", 8, 7, L"abcdefg"},
                 {L"abcdefgh", 20, 8, L"abcdefgh"},
                 {L"abcdefgh", -1, 8, L"abcdefgh"},
                 {L"abcdefgh", 1, 0, L""},
                 {L"", 10, 0, L""},
                 {L"", 1, 0, L""},
                 {L"", -1, 0, L""},
                 {L"abc", 0, 0, nullptr},
                 {L"abc", -2, 0, nullptr},
                 {L"x\U0001F600y", 3, 2, L"x\U0001F600"},
                 {L"x\U0001F600y", -1, 3, L"x\U0001F600y"}};
    std::array<wchar_t, 32> memory;
    wchar_t* buffer = memory.data() + 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " into " << c.size);
        memory.fill(kGuard);
        QString text = QString::fromWCharArray(c.text);
        EXPECT_EQ(StringUtil::QStringToWchar(text, buffer, c.size), c.returned);
        EXPECT_EQ(memory[0], kGuard);
        int capacity =
            c.size == -1 ? static_cast<int>(std::wcslen(c.text)) + 1 : std::max(c.size, 0);
        for (size_t i = 1 + capacity; i < memory.size(); ++i)
            EXPECT_EQ(memory[i], kGuard) << "written past the buffer at " << i - 1;
        if (c.written == nullptr) {
            EXPECT_EQ(buffer[0], kGuard);
        } else {
            EXPECT_EQ(std::wstring(buffer), std::wstring(c.written));
        }

        memory.fill(kGuard);
        EXPECT_EQ(StringUtil::QStringToWchar2(text, buffer, c.size), buffer);
        if (c.written != nullptr) {
            EXPECT_EQ(std::wstring(buffer), std::wstring(c.written));
        }
    }
}

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
