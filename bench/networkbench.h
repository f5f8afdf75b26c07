#pragma once

class Report;
class QString;

// glyphsmith-send from process start to the last byte at the far end of a pty, against a
// minimal C program writing the same nine bytes.
void runSendBenchmark(Report &report, const QString &binDir);
// A lost port reopened once its device returns, and the CPU used while waiting for it.
void runReconnectBenchmark(Report &report);
