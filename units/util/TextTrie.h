#pragma once

#include <ViVuzaZadur/UnitsTypes.h>

#include <algorithm>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace velmar::platform::core::units {

// A compressed prefix tree keyed by wide strings, with longest-match lookup. It holds the
// number tokens of a formatter, the texts of the parse-symbol registry and the literals of
// compiled symbol strings.
//
// A value is a pointer with an owned flag: releasing a value deletes the object when the flag
// is set. A null pointer means no value. The empty text is a valid key; its value belongs to
// the root.
//
// Nodes are of two kinds. A segment node consumes the characters of its segment and has one
// successor, or none when it is a leaf (empty segment). A branch node maps one character to a
// child each. The value of a node belongs to the key that ends where the node begins, before
// its segment. Erasing keeps the tree compact: no valueless leaf hangs in a branch, no segment
// node is followed by a valueless segment node, and no valueless branch has a single entry.
template <class T> class TextTrie {
public:
    TextTrie() : root_(new Node) {}
    ~TextTrie() { Destroy(root_); }
    // A deep copy; owned values are copied too, so T must then be copy-constructible.
    TextTrie(const TextTrie& other) : root_(Clone(other.root_)) {}
    TextTrie& operator=(const TextTrie&) = delete;

    // Stores value under text, having released any old value: ecSuccess; ecFailure when text is
    // null, or has a value and overwrite is false (the old value stays).
    ErrorCode Insert(const wchar_t* text, T* value, bool owned, bool overwrite);
    // The value of the longest key that is a prefix of text, and that key's length; null and
    // 0 when no key matches (nor the empty key), or for a null text.
    T* Lookup(const wchar_t* text, size_t* length) const;
    // Releases the value of text: ecSuccess; ecFailure when text is null or has no value.
    ErrorCode Erase(const wchar_t* text);
    // Whether no key has a value.
    bool IsEmpty() const { return root_->IsLeaf() && root_->value == nullptr; }
    // Whether some key is longer than text and starts with it.
    bool HasLongerKeys(const wchar_t* text) const;

    // For tests: whether the tree is compact as described above.
    bool IsCompact() const { return IsCompact(root_); }

private:
    struct Node {
        bool branch = false;
        std::wstring segment;                            // segment nodes only
        Node* successor = nullptr;                       // segment nodes only; null for a leaf
        std::vector<std::pair<wchar_t, Node*>> children; // branch nodes only, by character
        // A branch with many children also indexes its ASCII ones directly, since lookups
        // walk the root of the number tokens and of the registry for every token.
        std::unique_ptr<Node*[]> ascii;
        T* value = nullptr;
        bool owned = false;

        static constexpr size_t kIndexedBranch = 6;
        static constexpr wchar_t kAsciiEnd = 128;

        bool IsLeaf() const { return !branch && segment.empty(); }
        void Release() {
            if (owned)
                delete value;
            value = nullptr;
            owned = false;
        }
        using Entries = std::vector<std::pair<wchar_t, Node*>>;
        typename Entries::iterator Find(wchar_t c) {
            auto found =
                std::lower_bound(children.begin(), children.end(), c,
                                 [](const auto& entry, wchar_t key) { return entry.first < key; });
            return found != children.end() && found->first == c ? found : children.end();
        }
        Node* Child(wchar_t c) const {
            if (ascii && c >= 0 && c < kAsciiEnd)
                return ascii[c];
            auto found =
                std::lower_bound(children.begin(), children.end(), c,
                                 [](const auto& entry, wchar_t key) { return entry.first < key; });
            return found != children.end() && found->first == c ? found->second : nullptr;
        }
        Node* AddChild(wchar_t c, Node* child) {
            children.insert(
                std::lower_bound(children.begin(), children.end(), c,
                                 [](const auto& entry, wchar_t key) { return entry.first < key; }),
                {c, child});
            if (ascii && c >= 0 && c < kAsciiEnd) {
                ascii[c] = child;
            } else if (!ascii && children.size() >= kIndexedBranch) {
                ascii.reset(new Node*[kAsciiEnd]());
                for (const auto& entry : children)
                    if (entry.first >= 0 && entry.first < kAsciiEnd)
                        ascii[entry.first] = entry.second;
            }
            return child;
        }
        void EraseChild(typename Entries::iterator entry) {
            if (ascii && entry->first >= 0 && entry->first < kAsciiEnd)
                ascii[entry->first] = nullptr;
            children.erase(entry);
        }
        // Turns a branch into a segment node or a leaf.
        void Unbranch() {
            branch = false;
            ascii.reset();
            if (!children.empty()) {
                segment.assign(1, children.front().first);
                successor = children.front().second;
            }
            children.clear();
        }
    };

    // Whether text starts with the non-empty segment. Stops at the first difference, so that a
    // lookup costs no more than the length of the key it matches, however long the text.
    static bool StartsWith(const wchar_t* text, const std::wstring& segment) {
        if (segment.empty())
            return false;
        for (size_t i = 0; i < segment.size(); ++i)
            if (text[i] != segment[i]) // also stops at the text's terminator
                return false;
        return true;
    }
    static void Destroy(Node* node);
    static Node* Clone(const Node* node);
    static ErrorCode EraseAt(Node*& slot, const wchar_t* key);
    static void Compact(Node*& slot);
    static bool IsCompact(const Node* node);

    Node* root_;
};

template <class T> void TextTrie<T>::Destroy(Node* node) {
    if (node == nullptr)
        return;
    Destroy(node->successor);
    for (auto& entry : node->children)
        Destroy(entry.second);
    node->Release();
    delete node;
}

template <class T> typename TextTrie<T>::Node* TextTrie<T>::Clone(const Node* node) {
    if (node == nullptr)
        return nullptr;
    Node* copy = new Node;
    copy->branch = node->branch;
    copy->segment = node->segment;
    copy->successor = Clone(node->successor);
    for (const auto& entry : node->children)
        copy->AddChild(entry.first, Clone(entry.second));
    copy->owned = node->owned;
    if (node->owned) {
        static_assert(std::is_copy_constructible_v<std::remove_const_t<T>>,
                      "a trie that owns its values can only be copied when they can");
        copy->value = new std::remove_const_t<T>(*node->value);
    } else {
        copy->value = node->value;
    }
    return copy;
}

template <class T>
ErrorCode TextTrie<T>::Insert(const wchar_t* key, T* value, bool owned, bool overwrite) {
    if (key == nullptr)
        return ecFailure;
    Node* node = root_;
    for (;;) {
        if (*key == L'\0')
            break;
        if (node->branch) {
            Node* child = node->Child(*key);
            node = child != nullptr ? child : node->AddChild(*key, new Node);
            ++key;
            continue;
        }
        if (node->segment.empty()) {
            // A leaf: it takes the rest of the key as its segment, and the value goes to a new
            // leaf after it.
            node->segment = key;
            node->successor = new Node;
            node = node->successor;
            break;
        }
        const std::wstring& segment = node->segment;
        size_t n = 0;
        while (n < segment.size() && key[n] == segment[n])
            ++n;
        if (n == segment.size()) {
            key += n;
            node = node->successor;
            continue;
        }
        if (key[n] == L'\0') {
            // The key ends inside the segment: split it there.
            Node* rest = new Node;
            rest->segment = segment.substr(n);
            rest->successor = node->successor;
            node->segment.resize(n);
            node->successor = rest;
            node = rest;
            key += n;
            break;
        }
        // The key leaves the segment at a character of its own: branch there.
        Node* tail;
        if (n + 1 < segment.size()) {
            tail = new Node;
            tail->segment = segment.substr(n + 1);
            tail->successor = node->successor;
        } else {
            tail = node->successor;
        }
        wchar_t differing = segment[n];
        Node* fork = node;
        if (n > 0) {
            fork = new Node;
            node->segment.resize(n);
            node->successor = fork;
        } else {
            node->segment.clear();
            node->successor = nullptr;
        }
        fork->branch = true;
        fork->AddChild(differing, tail);
        node = fork->AddChild(key[n], new Node);
        key += n + 1;
    }
    if (node->value != nullptr && !overwrite)
        return ecFailure;
    node->Release();
    node->value = value;
    node->owned = owned;
    return ecSuccess;
}

template <class T> T* TextTrie<T>::Lookup(const wchar_t* text, size_t* length) const {
    T* found = nullptr;
    size_t matched = 0;
    if (text != nullptr) {
        const Node* node = root_;
        size_t position = 0;
        for (;;) {
            if (node->value != nullptr) {
                found = node->value;
                matched = position;
            }
            if (text[position] == L'\0')
                break;
            if (node->branch) {
                node = node->Child(text[position]);
                if (node == nullptr)
                    break;
                ++position;
                continue;
            }
            if (!StartsWith(text + position, node->segment))
                break;
            position += node->segment.size();
            node = node->successor;
        }
    }
    if (length != nullptr)
        *length = matched;
    return found;
}

template <class T> bool TextTrie<T>::HasLongerKeys(const wchar_t* text) const {
    const Node* node = root_;
    while (*text != L'\0') {
        if (node->branch) {
            node = node->Child(*text++);
            if (node == nullptr)
                return false;
            continue;
        }
        const std::wstring& segment = node->segment;
        size_t n = 0;
        while (n < segment.size() && text[n] != L'\0' && text[n] == segment[n])
            ++n;
        if (n < segment.size())
            return text[n] == L'\0'; // the text ends inside the segment
        text += n;
        if (segment.empty())
            return false;
        node = node->successor;
    }
    return node->branch || !node->segment.empty();
}

template <class T> ErrorCode TextTrie<T>::Erase(const wchar_t* text) {
    return text == nullptr ? ecFailure : EraseAt(root_, text);
}

template <class T> ErrorCode TextTrie<T>::EraseAt(Node*& slot, const wchar_t* key) {
    Node* node = slot;
    if (*key == L'\0') {
        if (node->value == nullptr)
            return ecFailure;
        node->Release();
    } else if (node->branch) {
        auto entry = node->Find(*key);
        if (entry == node->children.end() || EraseAt(entry->second, key + 1) != 0)
            return ecFailure;
        if (entry->second->IsLeaf() && entry->second->value == nullptr) {
            delete entry->second;
            node->EraseChild(entry);
        }
    } else {
        const std::wstring& segment = node->segment;
        if (!StartsWith(key, segment) || EraseAt(node->successor, key + segment.size()) != 0)
            return ecFailure;
    }
    Compact(slot);
    return ecSuccess;
}

template <class T> void TextTrie<T>::Compact(Node*& slot) {
    Node* node = slot;
    if (node->branch && node->children.size() <= 1) {
        // A branch with one entry becomes a one-character segment node leading to it; a branch
        // with none becomes a leaf.
        node->Unbranch();
    }
    // A segment node absorbs a valueless segment successor, and drops a valueless leaf.
    while (!node->branch && !node->segment.empty() && node->successor->value == nullptr &&
           !node->successor->branch) {
        Node* next = node->successor;
        if (next->segment.empty()) {
            node->segment.clear();
            node->successor = nullptr;
        } else {
            node->segment += next->segment;
            node->successor = next->successor;
        }
        next->successor = nullptr;
        delete next;
    }
}

template <class T> bool TextTrie<T>::IsCompact(const Node* node) {
    if (node->branch) {
        if (node->children.size() < 2)
            return false;
        for (const auto& entry : node->children) {
            if (entry.second->IsLeaf() && entry.second->value == nullptr)
                return false;
            if (!IsCompact(entry.second))
                return false;
        }
        return true;
    }
    if (node->segment.empty())
        return node->successor == nullptr;
    const Node* next = node->successor;
    if (next == nullptr || (!next->branch && next->value == nullptr))
        return false;
    return IsCompact(next);
}

} // namespace velmar::platform::core::units
