// A header for docs/HeaderComments.awk: HeaderCommentsSample.expected beside it is what the
// filter makes of it, the comments that Doxygen reads as documentation, and where they attach.
#pragma once

// A comment above a definition of the preprocessor documents it.
#define SAMPLE_EXPORT

// A file comment, above an include: it stays plain.
#include <QObject>

namespace sample {

// A class comment documents the class alone.
class Sample : public QObject {
    Q_OBJECT
    // The property's comment.
    Q_PROPERTY(int size READ size WRITE setSize NOTIFY sizeChanged)

public:
    // A section comment above a blank line stays plain.

    // The run of three declarations shares this comment.
    int size() const;
    void setSize(int size);
    bool empty() const { return size() == 0; }
    // A declaration over two lines, one with a comment of its own, which keeps it, and a last
    // one share this comment.
    static int Combine(int firstNumberOfTheSample, int secondNumberOfTheSample,
                       int thirdNumberOfTheSample);
    static int Twice(int value); // Its own comment.
    int last() const;

signals:
    // Emitted with the new size.
    void sizeChanged(int size);
};

// An enumeration.
enum Kind : int {
    kNone = 0, // nothing
    // The first kinds.
    kOne = 1,
    kTwo = 2,
};

} // namespace sample
