#pragma once

class Report;

// Ten thousand mixed main-window commands sent back to back through the window's own handlers
// into a pty, checked byte for byte and in order at the far end, against the same messages
// written with one raw write() each.
void runBurstBenchmark(Report &report);
