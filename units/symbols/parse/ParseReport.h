#pragma once

#include "units/symbols/SymbolRef.h"

#include <ViVuzaZadurUI/ParseProblem.h>

#include <ViVuzaZadur/UnitsTypes.h>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace velmar::platform::core::units {

// What one parse on this thread found wrong, for ParseDiagnostics. While a report is open, the
// parse notes where in the text each piece of its list came from, and the evaluation notes why
// and at which piece it failed; without one, noting costs a test of a thread-local pointer.
class ParseReport {
public:
    ParseReport();
    ~ParseReport();
    ParseReport(const ParseReport&) = delete;
    ParseReport& operator=(const ParseReport&) = delete;

    // The report open on this thread, or null.
    static ParseReport* Current();

    // Notes the characters of the text that a list element was read from.
    void NotePiece(const SymbolRef& element, size_t position, size_t length);
    // Notes a problem at an element (null: at no particular piece) or at characters of the
    // text. A later problem replaces an earlier one: the evaluation's last word is its reason.
    void NoteProblem(ParseProblem problem, const SymbolRef* element);
    // Notes a problem at the pieces from one element to a later one of the same list.
    void NoteProblem(ParseProblem problem, const SymbolRef* first, const SymbolRef* last);
    void NoteProblemAt(ParseProblem problem, size_t position, size_t length);
    // Notes the dimension of a quantity that is not the one asked for, and the group of the unit
    // it was written in where the dimension alone does not tell it (0 otherwise).
    void NoteFound(const DimensionTag& dimension, int group = 0) {
        std::copy_n(dimension, 7, found_);
        foundGroup_ = group;
    }
    const DimensionTag& Found() const { return found_; }
    int FoundGroup() const { return foundGroup_; }
    // Forgets the problems noted so far (a failed pattern walk is no problem of the text).
    void ClearProblems();

    // How many problems were noted: the evaluator tells whether a symbol that failed said why.
    int Count() const { return count_; }
    ParseProblem Problem() const { return problem_; }
    // Where the problem lies in the text; false when it is at no particular piece.
    bool Where(size_t* position, size_t* length) const;

private:
    struct Piece {
        const SymbolRef* element;
        size_t position;
        size_t length;
    };
    // The last piece noted for the element, or null.
    const Piece* PieceOf(const SymbolRef* element) const;

    std::vector<Piece> pieces_;
    ParseProblem problem_ = ppNone;
    const SymbolRef* element_ = nullptr;
    const SymbolRef* lastElement_ = nullptr;
    bool hasPosition_ = false;
    size_t position_ = 0;
    size_t length_ = 0;
    int count_ = 0;
    DimensionTag found_{};
    int foundGroup_ = 0;
    ParseReport* previous_;
};

// Notes a problem at an element in the open report, if there is one; returns ecFailure, the
// result of a failing evaluation.
inline ErrorCode Fail(ParseProblem problem, SymbolList::const_iterator element) {
    if (ParseReport* report = ParseReport::Current())
        report->NoteProblem(problem, &*element);
    return ecFailure;
}

// Notes a problem at the elements from first to last in the open report; returns ecFailure.
inline ErrorCode Fail(ParseProblem problem, SymbolList::const_iterator first,
                      SymbolList::const_iterator last) {
    if (ParseReport* report = ParseReport::Current())
        report->NoteProblem(problem, &*first, &*last);
    return ecFailure;
}

} // namespace velmar::platform::core::units
