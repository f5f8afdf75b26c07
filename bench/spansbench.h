#pragma once

#include <QString>

class Report;

// Spans: a text scrolled one dot a frame across four simulated modules at 100 frames a second
// (frames taken, skew between the modules at the far ends, CPU), and a span animation of 1,000
// frames opened and shown against a bare JSON parse of the same file.
void runSpansBenchmark(Report &report, const QString &binDir);
