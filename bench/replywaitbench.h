#pragma once

class Report;

// The configuration dialog's reply wait, timed by the wall clock and by the process's CPU time,
// against the same ten-tick wait written as a loop that polls the event queue without blocking.
void runReplyWaitBenchmark(Report &report);
