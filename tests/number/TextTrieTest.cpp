#include "units/util/TextTrie.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

using velmar::platform::core::units::ecSuccess;
using velmar::platform::core::units::TextTrie;

namespace {

// Values that count their own destruction, to see that owned values are released once.
struct Counted {
    explicit Counted(int* deaths) : deaths(deaths) {}
    ~Counted() { ++*deaths; }
    int* deaths;
};

int values[8];

std::pair<int*, size_t> Find(const TextTrie<int>& trie, const wchar_t* text) {
    size_t length = 99;
    int* value = trie.Lookup(text, &length);
    return {value, length};
}

// A null text is no key: nothing is inserted, erased or found for it.
TEST(TextTrie, NullTextsAreRefused) {
    TextTrie<int> trie;
    ASSERT_EQ(trie.Insert(L"kg", &values[0], false, false), 0);
    EXPECT_EQ(trie.Erase(nullptr), 1);
    EXPECT_EQ(trie.Insert(nullptr, &values[2], false, true), 1);
    EXPECT_EQ(Find(trie, nullptr), std::make_pair(static_cast<int*>(nullptr), size_t{0}));
    EXPECT_EQ(Find(trie, L"kg").first, &values[0]);
}

TEST(TextTrie, OwnedValuesAreReleasedOnce) {
    int deaths = 0;
    {
        TextTrie<Counted> trie;
        ASSERT_EQ(trie.Insert(L"a", new Counted(&deaths), true, false), ecSuccess);
        ASSERT_EQ(trie.Insert(L"ab", new Counted(&deaths), true, false), ecSuccess);
        Counted borrowed(&deaths);
        ASSERT_EQ(trie.Insert(L"b", &borrowed, false, false), ecSuccess);
        ASSERT_EQ(trie.Insert(L"a", new Counted(&deaths), true, true),
                  ecSuccess); // releases the first
        EXPECT_EQ(deaths, 1);
        Counted* refused = new Counted(&deaths);
        EXPECT_EQ(trie.Insert(L"a", refused, true, false), 1); // not taken: still the caller's
        delete refused;
        EXPECT_EQ(deaths, 2);
        EXPECT_EQ(trie.Erase(L"ab"), 0);
        EXPECT_EQ(deaths, 3);
        deaths = 0;
    }
    // The destructor released the owned "a", and the borrowed value died on its own.
    EXPECT_EQ(deaths, 2);
}

// Lookup result of a brute-force model: the longest key that is a prefix of text.
std::pair<int*, size_t> ModelFind(const std::map<std::wstring, int*>& model,
                                  const std::wstring& text) {
    std::pair<int*, size_t> best{nullptr, 0};
    for (const auto& [key, value] : model)
        if (text.compare(0, key.size(), key) == 0 &&
            (best.first == nullptr || key.size() > best.second))
            best = {value, key.size()};
    return best;
}

// Random inserts and erases over a small alphabet, where keys share prefixes all the time;
// after every step the trie answers every probe like the model, and stays compact after
// erases. Erasing everything leaves an empty trie.
TEST(TextTrie, BehavesLikeALongestPrefixMapUnderRandomEdits) {
    std::mt19937 random(12345);
    auto randomText = [&](size_t maxLength) {
        std::wstring text;
        size_t length = random() % (maxLength + 1);
        for (size_t i = 0; i < length; ++i)
            text += L"abc"[random() % 3];
        return text;
    };
    for (int round = 0; round < 40; ++round) {
        TextTrie<int> trie;
        std::map<std::wstring, int*> model;
        for (int step = 0; step < 200; ++step) {
            std::wstring key = randomText(5);
            if (random() % 3 != 0) {
                int* value = &values[random() % 8];
                bool overwrite = random() % 2 == 0;
                bool present = model.count(key) != 0;
                EXPECT_EQ(trie.Insert(key.c_str(), value, false, overwrite),
                          present && !overwrite ? 1 : 0);
                if (!present || overwrite)
                    model[key] = value;
            } else {
                EXPECT_EQ(trie.Erase(key.c_str()), model.erase(key) == 1 ? 0 : 1);
            }
            ASSERT_TRUE(trie.IsCompact()) << "round " << round << " step " << step;
            for (int probe = 0; probe < 20; ++probe) {
                std::wstring text = randomText(7);
                ASSERT_EQ(Find(trie, text.c_str()), ModelFind(model, text));
            }
        }
        for (const auto& entry : std::map<std::wstring, int*>(model))
            EXPECT_EQ(trie.Erase(entry.first.c_str()), 0);
        EXPECT_TRUE(trie.IsCompact());
        EXPECT_EQ(Find(trie, L"abcabc").first, nullptr);
    }
}

} // namespace
