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
    problem_ = problem;
    element_ = element;
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
    hasPosition_ = false;
}

bool ParseReport::Where(size_t* position, size_t* length) const {
    if (hasPosition_) {
        *position = position_;
        *length = length_;
        return true;
    }
    // The piece the element was read from; an element made by the evaluation has none.
    for (auto piece = pieces_.rbegin(); piece != pieces_.rend(); ++piece) {
        if (piece->element == element_) {
            *position = piece->position;
            *length = piece->length;
            return true;
        }
    }
    return false;
}

} // namespace velmar::platform::core::units
