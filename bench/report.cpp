#include "report.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <numeric>

void Report::fail(const QString &benchmark, const QString &why)
{
    add({benchmark, QStringLiteral("could not run"), QStringLiteral("-"), QStringLiteral("-"),
         QStringLiteral("-"), QStringLiteral("runs"), Verdict::Miss});
    note(benchmark + QStringLiteral(": ") + why);
}

bool Report::allGoalsMet() const
{
    return std::none_of(m_rows.cbegin(), m_rows.cend(),
                        [](const Row &row) { return row.verdict == Verdict::Miss; });
}

void Report::print(std::FILE *out) const
{
    const QStringList titles = {QStringLiteral("Benchmark"), QStringLiteral("Figure"),
                                QStringLiteral("Measured"),  QStringLiteral("Floor/ref"),
                                QStringLiteral("Ratio"),     QStringLiteral("Goal"),
                                QStringLiteral("Result")};
    QList<QStringList> cells;
    for (const Row &row : m_rows) {
        QString verdict;
        if (row.verdict == Verdict::Pass)
            verdict = QStringLiteral("pass");
        else if (row.verdict == Verdict::Miss)
            verdict = QStringLiteral("MISS");
        cells.append(
            {row.benchmark, row.figure, row.measured, row.floor, row.ratio, row.goal, verdict});
    }

    QList<qsizetype> widths;
    for (qsizetype column = 0; column < titles.size(); ++column) {
        qsizetype width = titles[column].size();
        for (const QStringList &line : cells)
            width = std::max(width, line[column].size());
        widths.append(width);
    }
    const auto printLine = [&](const QStringList &line) {
        QString text;
        for (qsizetype column = 0; column < line.size(); ++column) {
            // Figures read better right-aligned, words left-aligned.
            const bool number = column >= 2 && column <= 4;
            const QString cell = number ? line[column].rightJustified(widths[column])
                                        : line[column].leftJustified(widths[column]);
            text += cell + (column + 1 < line.size() ? QStringLiteral("  ") : QString());
        }
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        std::fprintf(out, "%s\n", qPrintable(text));
    };

    if (!m_heading.isEmpty())
        std::fprintf(out, "%s\n\n", qPrintable(m_heading));
    printLine(titles);
    QStringList rule;
    for (qsizetype width : widths)
        rule.append(QString(width, QLatin1Char('-')));
    printLine(rule);
    for (const QStringList &line : cells)
        printLine(line);
    if (!m_notes.isEmpty())
        std::fprintf(out, "\n");
    for (const QString &text : m_notes)
        std::fprintf(out, "%s\n", qPrintable(text));
    std::fprintf(out, "\n%s\n",
                 allGoalsMet() ? "All goals met." : "Some goals were missed (MISS above).");
    std::fflush(out);
}

namespace Stats {

double percentile(std::vector<double> samples, double fraction)
{
    if (samples.empty())
        return std::nan("");
    std::sort(samples.begin(), samples.end());
    const auto rank = std::ceil(fraction * double(samples.size()));
    const auto index = std::clamp<std::size_t>(std::size_t(rank), 1, samples.size()) - 1;
    return samples[index];
}

double sum(const std::vector<double> &samples)
{
    return std::accumulate(samples.cbegin(), samples.cend(), 0.0);
}

double minimum(const std::vector<double> &samples)
{
    return samples.empty() ? std::nan("") : *std::min_element(samples.cbegin(), samples.cend());
}

double maximum(const std::vector<double> &samples)
{
    return samples.empty() ? std::nan("") : *std::max_element(samples.cbegin(), samples.cend());
}

} // namespace Stats

namespace Format {

QString duration(double ns)
{
    if (std::isnan(ns))
        return QStringLiteral("-");
    if (ns < 1e3)
        return QStringLiteral("%1 ns").arg(ns, 0, 'f', 0);
    if (ns < 1e6)
        return QStringLiteral("%1 us").arg(ns / 1e3, 0, 'f', 1);
    if (ns < 1e9)
        return QStringLiteral("%1 ms").arg(ns / 1e6, 0, 'f', 1);
    return QStringLiteral("%1 s").arg(ns / 1e9, 0, 'f', 2);
}

QString ratio(double value)
{
    if (std::isnan(value) || std::isinf(value))
        return QStringLiteral("-");
    // Far below one, the inverse says more: "1/208x" rather than "0.00x".
    if (value > 0 && value < 0.1)
        return QStringLiteral("1/%1x").arg(1.0 / value, 0, 'f', 0);
    return QStringLiteral("%1x").arg(value, 0, 'f', value < 10 ? 2 : 0);
}

QString mebibytes(double kibibytes)
{
    return QStringLiteral("%1 MiB").arg(kibibytes / 1024.0, 0, 'f', 1);
}

QString percent(double fraction)
{
    return QStringLiteral("%1 %").arg(fraction * 100.0, 0, 'f', fraction < 0.1 ? 2 : 1);
}

QString rate(double perSecond)
{
    if (std::isnan(perSecond))
        return QStringLiteral("-");
    return QStringLiteral("%1/s").arg(perSecond, 0, 'f', 0);
}

} // namespace Format
