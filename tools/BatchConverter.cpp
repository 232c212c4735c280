#include "BatchConverter.h"

#include "LineConverter.h"
#include "ProgressBar.h"

#include <QFileDevice>

#include <thread>
#include <utility>

namespace {

constexpr size_t kBlock = 1 << 20;
// A block is shared out only when every thread gets at least this much of it.
constexpr size_t kShare = 1 << 16;
constexpr std::string_view kByteOrderMark = "\xef\xbb\xbf";

// The text up to and with the first line end at or after size, or the whole text.
std::string_view UpToLineEnd(std::string_view text, size_t size) {
    size_t newline = text.find('\n', size > 0 ? size - 1 : 0);
    return text.substr(0, newline == std::string_view::npos ? text.size() : newline + 1);
}

} // namespace

BatchConverter::BatchConverter(const std::vector<const Conversion*>& conversions,
                               BatchSettings settings)
    : settings(std::move(settings)) {
    for (const Conversion* conversion : conversions)
        converters.push_back(std::make_unique<LineConverter>(*conversion, this->settings));
}

BatchConverter::~BatchConverter() = default;

BatchConverter::Result BatchConverter::Run(QIODevice& input, QIODevice& output, ProgressBar* bar) {
    result = Result();
    progress = bar;
    std::string pending;
    int64_t bytesRead = 0;
    for (bool first = true;; first = false) {
        size_t kept = pending.size();
        pending.resize(kept + kBlock);
        qint64 count = settings.interactive
                           ? input.readLine(pending.data() + kept, static_cast<qint64>(kBlock))
                           : input.read(pending.data() + kept, static_cast<qint64>(kBlock));
        // readLine gives -1 at the end as well as on an error.
        result.inputError = count < 0 && !settings.interactive;
        pending.resize(kept + static_cast<size_t>(std::max<qint64>(count, 0)));
        if (count <= 0)
            break;
        bytesRead += count;
        std::string_view text = pending;
        if (first && text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
            Write(kByteOrderMark, output);
            text.remove_prefix(kByteOrderMark.size());
        }
        if (first && settings.header) {
            std::string_view header = UpToLineEnd(text, 0);
            Write(header, output);
            text.remove_prefix(header.size());
            result.lines = 1;
        }
        size_t lineEnd = text.rfind('\n');
        size_t complete = lineEnd == std::string_view::npos ? 0 : lineEnd + 1;
        ConvertBlock(text.substr(0, complete), output);
        pending.erase(0, pending.size() - (text.size() - complete));
        if (result.outputError)
            return result;
        if (progress != nullptr)
            progress->Update(bytesRead, result.lines);
    }
    ConvertBlock(pending, output);
    return result;
}

void BatchConverter::ConvertBlock(std::string_view lines, QIODevice& output) {
    size_t count = lines.size() / kShare >= converters.size() ? converters.size() : 1;
    std::vector<std::string_view> shares;
    for (size_t i = 0; i < count; ++i) {
        shares.push_back(UpToLineEnd(lines, lines.size() / (count - i)));
        lines.remove_prefix(shares.back().size());
    }
    std::vector<std::thread> threads;
    for (size_t i = 1; i < count; ++i)
        threads.emplace_back([this, i, share = shares[i]] { converters[i]->Convert(share); });
    converters[0]->Convert(shares[0]);
    for (std::thread& thread : threads)
        thread.join();

    for (size_t i = 0; i < count; ++i) {
        LineConverter& converter = *converters[i];
        Write(converter.Output(), output);
        for (const LineConverter::Problem& problem : converter.Problems()) {
            if (!settings.report)
                continue;
            if (progress != nullptr)
                progress->Clear();
            settings.report(QStringLiteral("%1:%2:%3: %4")
                                .arg(settings.inputName)
                                .arg(result.lines + problem.line)
                                .arg(problem.column)
                                .arg(problem.message));
        }
        result.lines += converter.Lines();
        result.failures += static_cast<int64_t>(converter.Problems().size());
        converter.Clear();
    }
    if (auto* file = qobject_cast<QFileDevice*>(&output); file != nullptr && settings.interactive)
        file->flush();
}

void BatchConverter::Write(std::string_view text, QIODevice& output) {
    if (!text.empty() && !result.outputError &&
        output.write(text.data(), static_cast<qint64>(text.size())) < 0)
        result.outputError = true;
}
