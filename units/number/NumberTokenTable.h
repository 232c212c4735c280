#pragma once

#include "units/util/TextTrie.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace velmar::platform::core::units {

// The texts of a formatter's number settings and what each one is: the ten native digits, the
// separators, the signs and the exponent marks "e" and "E". The number scanner reads numbers
// token by token through it.
class NumberTokenTable {
public:
    // Token classes; 0 to 9 are the digits of those values.
    enum TokenClass : int {
        GroupSeparator = 10,
        DecimalSeparator = 11,
        PositiveSign = 12,
        NegativeSign = 13,
        ExponentMark = 14,
    };

    // Registers text as a token of that class, replacing what the text meant before. The empty
    // text is a token too: the default empty positive sign matches everywhere with length 0.
    void Register(const std::wstring& text, int tokenClass);
    // Removes text from the table.
    void Remove(const std::wstring& text);
    // The digit value of c when c is a one-character digit token and no longer token starts
    // with it; -1 otherwise. Lets the scanner run through digits without the trie.
    int DigitAt(wchar_t c) const {
        return c >= 0 && c < kAsciiEnd && ascii_[c].tokenClass >= 0 && ascii_[c].tokenClass <= 9 &&
                       ascii_[c].length == 1
                   ? ascii_[c].tokenClass
                   : -1;
    }

    // Whether no token but the empty one starts with c, so that no number starts there.
    bool StartsNoNumber(wchar_t c) const {
        if (c >= 0 && c < kAsciiEnd)
            return ascii_[c].tokenClass != kUnknown &&
                   (ascii_[c].tokenClass < 0 || ascii_[c].length == 0);
        return std::find(otherStarts_.begin(), otherStarts_.end(), c) == otherStarts_.end();
    }

    // The class of the longest token at text and its length; -1 when no token (not even the
    // empty one) starts there, or for a null or empty text.
    int ClassAt(const wchar_t* text, size_t* length) const {
        if (text == nullptr || *text == L'\0')
            return -1;
        if (*text >= 0 && *text < kAsciiEnd && ascii_[*text].tokenClass != kUnknown) {
            *length = ascii_[*text].length;
            return ascii_[*text].tokenClass;
        }
        const Token* token = tokens_.Lookup(text, length);
        return token == nullptr ? -1 : token->tokenClass;
    }

private:
    struct Token {
        int tokenClass;
    };
    static const Token kTokens[15];

    // What ClassAt gives at an ASCII character, when that does not depend on the characters
    // after it (no longer token starts with it): digits and one-character separators are
    // recognised without walking the trie.
    struct Known {
        signed char tokenClass = kUnknown;
        unsigned char length = 0;
    };
    static constexpr signed char kUnknown = -2;
    static constexpr wchar_t kAsciiEnd = 128;
    void UpdateKnown();

    TextTrie<const Token> tokens_;
    std::map<std::wstring, int> texts_; // the registered texts, as in the trie
    Known ascii_[kAsciiEnd];
    std::vector<wchar_t> otherStarts_; // the first characters of tokens, beyond ASCII
};

} // namespace velmar::platform::core::units
