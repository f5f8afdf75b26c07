#pragma once

class Report;

// A drag across the grid: 1,000 mouse moves in one second, one a millisecond, with the event
// loop run between them as it would be. Every cell the pointer crossed must be lit at the end;
// the program's CPU time over that second is set against one core, beside the same second of
// waiting without any moves.
void runDragBenchmark(Report &report);
