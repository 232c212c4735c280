#include "units/number/NumberTokenTable.h"

namespace velmar::platform::core::units {

const NumberTokenTable::Token NumberTokenTable::kTokens[15] = {
    {0}, {1}, {2}, {3}, {4}, {5}, {6}, {7}, {8}, {9}, {10}, {11}, {12}, {13}, {14},
};

void NumberTokenTable::Register(const std::wstring& text, int tokenClass) {
    if (tokenClass >= 0 && tokenClass < 15) {
        (void)tokens_.Insert(text.c_str(), &kTokens[tokenClass], false, true); // overwrites
        texts_[text] = tokenClass;
    }
    UpdateKnown();
}

void NumberTokenTable::Remove(const std::wstring& text) {
    (void)tokens_.Erase(text.c_str()); // a text no setting holds any more may be gone already
    texts_.erase(text);
    UpdateKnown();
}

void NumberTokenTable::UpdateKnown() {
    otherStarts_.clear();
    for (const auto& entry : texts_)
        if (!entry.first.empty() && (entry.first[0] < 0 || entry.first[0] >= kAsciiEnd))
            otherStarts_.push_back(entry.first[0]);
    for (wchar_t c = 1; c < kAsciiEnd; ++c) {
        const wchar_t text[2] = {c, L'\0'};
        Known& known = ascii_[c];
        if (tokens_.HasLongerKeys(text)) {
            known = Known();
            continue;
        }
        size_t length = 0;
        const Token* token = tokens_.Lookup(text, &length);
        known.tokenClass = static_cast<signed char>(token == nullptr ? -1 : token->tokenClass);
        known.length = static_cast<unsigned char>(length);
    }
}

} // namespace velmar::platform::core::units
