#include "units/symbols/parse/ParseReport.h"

namespace velmar::platform::core::units {

namespace {
thread_local ParseReport* current = nullptr;
}

ParseReport::ParseReport() : previous_(current) {
    current = this;
}

ParseReport::~ParseReport() {
    current = previous_;
}

ParseReport* ParseReport::Current() {
    return current;
}

void ParseReport::NotePiece(const SymbolRef& element, size_t position, size_t length) {
    pieces_.push_back({&element, position, length});
}

void ParseReport::NoteProblem(ParseProblem problem, const SymbolRef* element) {
    NoteProblem(problem, element, element);
}

void ParseReport::NoteProblem(ParseProblem problem, const SymbolRef* first, const SymbolRef* last) {
    problem_ = problem;
    element_ = first;
    lastElement_ = last;
    hasPosition_ = false;
    ++count_;
}

void ParseReport::NoteProblemAt(ParseProblem problem, size_t position, size_t length) {
    NoteProblem(problem, nullptr);
    hasPosition_ = true;
    position_ = position;
    length_ = length;
}

void ParseReport::ClearProblems() {
    problem_ = ppNone;
    element_ = nullptr;
    lastElement_ = nullptr;
    hasPosition_ = false;
}

bool ParseReport::Where(size_t* position, size_t* length) const {
    if (hasPosition_) {
        *position = position_;
        *length = length_;
        return true;
    }
    // The pieces the elements were read from; an element made by the evaluation has none.
    const Piece* first = PieceOf(element_);
    const Piece* last = PieceOf(lastElement_);
    if (first == nullptr)
        return false;
    if (last == nullptr || last->position < first->position)
        last = first;
    *position = first->position;
    *length = last->position + last->length - first->position;
    return true;
}

const ParseReport::Piece* ParseReport::PieceOf(const SymbolRef* element) const {
    if (element == nullptr)
        return nullptr;
    for (auto piece = pieces_.rbegin(); piece != pieces_.rend(); ++piece)
        if (piece->element == element)
            return &*piece;
    return nullptr;
}

} // namespace velmar::platform::core::units
