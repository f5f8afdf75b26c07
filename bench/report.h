#pragma once

#include <QList>
#include <QString>

#include <cstdio>
#include <vector>

// The one table `make bench` prints: each figure beside its floor (or reference), the ratio
// between them and, where there is one, the goal with its verdict.
class Report
{
public:
    enum class Verdict { None, Pass, Miss };

    struct Row
    {
        QString benchmark;
        QString figure;
        QString measured;
        QString floor;
        QString ratio;
        QString goal;
        Verdict verdict = Verdict::None;
    };

    void setHeading(const QString &heading) { m_heading = heading; }
    void add(const Row &row) { m_rows.append(row); }
    // A line under the table, for what a figure alone does not say (counts, ranges, causes).
    void note(const QString &text) { m_notes.append(text); }
    // A benchmark that could not run counts as a missed goal.
    void fail(const QString &benchmark, const QString &why);

    bool allGoalsMet() const;
    void print(std::FILE *out) const;

private:
    QString m_heading;
    QList<Row> m_rows;
    QStringList m_notes;
};

// Figures over a set of samples; nearest-rank percentiles.
namespace Stats {
double percentile(std::vector<double> samples, double fraction);
inline double median(const std::vector<double> &samples)
{
    return percentile(samples, 0.5);
}
double sum(const std::vector<double> &samples);
double minimum(const std::vector<double> &samples);
double maximum(const std::vector<double> &samples);
} // namespace Stats

// Readable figures: a duration in nanoseconds with a fitting unit, a ratio, a size.
namespace Format {
QString duration(double ns);
QString ratio(double value);
QString mebibytes(double kibibytes);
QString percent(double fraction);
QString rate(double perSecond);
} // namespace Format
