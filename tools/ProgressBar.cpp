#include "ProgressBar.h"

#include "Console.h"

#include <QFile>

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
    QString text = QStringLiteral("\r%L1 lines").arg(lines);
    if (total > 0) {
        int filled = static_cast<int>(kWidth * std::min(done, total) / total);
        text =
            QStringLiteral("\r[%1%2] %3%")
                .arg(QString(filled, QLatin1Char('#')), QString(kWidth - filled, QLatin1Char('.')))
                .arg(100 * std::min(done, total) / total, 3) +
            text.mid(1).prepend(QLatin1String("  "));
    }
    Console::Error().write(text.toUtf8());
    shown = true;
}

void ProgressBar::Clear() {
    if (!shown)
        return;
    Console::Error().write("\r\033[K");
    shown = false;
}
