#pragma once

#include <QElapsedTimer>

#include <cstdint>

// A progress bar on standard error for a long batch, drawn only when standard error is a
// terminal, at most ten times a second. With the input's size known it shows a bar and a
// percentage, otherwise the count of lines.
class ProgressBar {
public:
    // total: the input's size in bytes, 0 when unknown (a pipe).
    explicit ProgressBar(int64_t total);
    ~ProgressBar();

    // Redraws the bar when a tenth of a second has passed since the last time.
    void Update(int64_t done, int64_t lines);
    // Clears the bar, so that a message or the end of the run has the line to itself; the next
    // Update draws it again.
    void Clear();

private:
    bool enabled;
    int64_t total;
    bool shown = false;
    QElapsedTimer timer;
};
