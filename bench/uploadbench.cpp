#include "uploadbench.h"

#include "bankuploader.h"
#include "benchsupport.h"
#include "moduleconnection.h"
#include "report.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

namespace {

const QString Name = QStringLiteral("upload all");
constexpr int Runs = 10;
constexpr int Baud = Bench::TimedModule::Baud;
constexpr double GoalRatio = 1.1;

QList<BankUploader::Item> items()
{
    QList<BankUploader::Item> list;
    for (int position = 0; position < Protocol::CustomCharacterCount; ++position)
        list.append(BankUploader::Item{
            position, Pattern::fromColumns({quint8(0x3C + position), 0x42, 0xA5, 0x81,
                                            quint8(position), 0x99, 0x42, 0x3C})});
    return list;
}

// Waits, running events, until the log holds `count` lines.
QStringList waitForLog(const Bench::TimedModule &module, qsizetype count)
{
    QDeadlineTimer deadline(5000);
    QStringList lines = module.logLines();
    while (lines.size() < count && !deadline.hasExpired()) {
        QEventLoop().processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
        lines = module.logLines();
    }
    return lines;
}

} // namespace

void runUploadBenchmark(Report &report, const QString &binDir)
{
    Bench::TimedModule module;
    QString error;
    if (!module.start(binDir, &error)) {
        report.fail(Name, error);
        return;
    }
    ModuleConnection link;
    link.setSettings(QStringLiteral("%1,n,8,1").arg(Baud));
    if (!link.openDevice(module.linkPath())) {
        report.fail(
            Name, QStringLiteral("the simulator's port did not open: %1").arg(link.errorString()));
        return;
    }
    BankUploader uploader(link);
    const QList<BankUploader::Item> bank = items();
    QStringList expected;
    qsizetype bytes = 0;
    for (const BankUploader::Item &item : bank) {
        for (const Protocol::Message &message :
             {Protocol::dotMatrix(item.pattern.columns()), Protocol::saveCustom(item.position)}) {
            expected.append(Protocol::hexString(message.bytes()));
            bytes += message.bytes().size();
        }
    }
    // Ten bits a byte at the line's rate.
    const double floorNs = double(bytes) * 10 * 1e9 / Baud;

    std::vector<double> times;
    int wrong = 0;
    for (int run = 0; run <= Runs; ++run) {
        const qsizetype before = module.logLines().size();
        QEventLoop loop;
        bool completed = false;
        const auto connection =
            QObject::connect(&uploader, &BankUploader::finished, &loop, [&](bool done) {
                completed = done;
                loop.quit();
            });
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        const qint64 startNs = Bench::monotonicNs();
        uploader.start(bank);
        loop.exec();
        QObject::disconnect(connection);
        const QStringList lines = waitForLog(module, before + expected.size());
        QStringList logged;
        for (const QString &line : lines.mid(before))
            logged.append(line.section(u' ', 1));
        if (!completed || logged != expected) {
            ++wrong;
            continue;
        }
        const double lastMs = lines.at(before + expected.size() - 1).section(u' ', 0, 0).toDouble();
        if (run > 0) // the first run warms up
            times.push_back(lastMs * 1e6 - double(startNs));
        // The line idle again before the next run.
        QThread::msleep(50);
    }

    if (times.empty()) {
        report.fail(Name, QStringLiteral("no upload arrived complete and in order"));
        return;
    }
    const double median = Stats::median(times);
    const double ratio = median / floorNs;
    report.add({Name,
                QStringLiteral("median, %1 uploads of %2 bytes at %3 baud")
                    .arg(times.size())
                    .arg(bytes)
                    .arg(Baud),
                Format::duration(median), Format::duration(floorNs), Format::ratio(ratio),
                QStringLiteral("<= %1x floor").arg(GoalRatio, 0, 'f', 1),
                ratio <= GoalRatio && wrong == 0 ? Report::Verdict::Pass : Report::Verdict::Miss});
    report.note(QStringLiteral("%1: from start() to the simulator's time of the last store "
                               "message; range %2 to %3; floor: the line time of the bytes alone; "
                               "%4 uploads wrong or incomplete")
                    .arg(Name, Format::duration(Stats::minimum(times)),
                         Format::duration(Stats::maximum(times)))
                    .arg(wrong));
}
