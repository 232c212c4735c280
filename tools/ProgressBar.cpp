#include "ProgressBar.h"

#include "Console.h"

#include <QFile>

#include <algorithm>

namespace {

constexpr int kWidth = 40;
constexpr int64_t kInterval = 100; // milliseconds

} // namespace

ProgressBar::ProgressBar(int64_t total) : enabled(Console::IsTerminal(2)), total(total) {
    timer.start();
}

ProgressBar::~ProgressBar() {
    Clear();
}

void ProgressBar::Update(int64_t done, int64_t lines) {
    if (!enabled || timer.elapsed() < kInterval)
        return;
    timer.restart();
    QString text = QStringLiteral("%L1 lines").arg(lines);
    if (total > 0) {
        int64_t part = std::min(done, total);
        int filled = static_cast<int>(kWidth * part / total);
        text =
            QStringLiteral("[%1%2] %3%  ")
                .arg(QString(filled, QLatin1Char('#')), QString(kWidth - filled, QLatin1Char('.')))
                .arg(100 * part / total, 3) +
            text;
    }
    Console::Error().write((QLatin1Char('\r') + text).toUtf8());
    shown = true;
}

void ProgressBar::Clear() {
    if (!shown)
        return;
    Console::Error().write("\r\033[K");
    shown = false;
}
