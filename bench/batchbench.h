#pragma once

class Report;
class QString;

// 1,000 dot patterns through `glyphsmith-send --batch` to the simulator on a 9600-baud line,
// once over glyphsmith-send's own link and once through the running program on a session bus of
// the benchmark's own, against the same patterns written straight onto the same simulated line.
void runBatchBenchmark(Report &report, const QString &binDir);
