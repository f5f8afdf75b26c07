#pragma once

#include <QString>

class Report;

// Upload All of the ten custom characters against the simulator on a 9600-baud line: from the
// start to the moment the simulator logs the last store message, against the line time of the
// 110 bytes themselves.
void runUploadBenchmark(Report &report, const QString &binDir);
