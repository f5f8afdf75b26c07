#pragma once

class Report;

// "Send Dot Matrix" clicked with QTest until its nine bytes are readable at the far end of a
// pty, against a raw write() of the same nine bytes on the same pty, read the same way.
void runClickBenchmark(Report &report);
