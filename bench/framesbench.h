#pragma once

class QString;
class Report;

// Animations played on the module through the simulator on a 9600-baud line: frames delivered
// against the line's limit, their lateness, the player's CPU, and Send as You Draw.
void runFramesBenchmark(Report &report, const QString &binDir);
