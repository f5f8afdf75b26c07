#pragma once

#include <QString>

class Report;

// glyphsmith-bridge through a real Mosquitto broker on 127.0.0.1: a dot pattern from publish to
// its last byte at the far end of the module's pty against a direct write of the same bytes;
// 1,000 patterns published as fast as the broker takes them (the module ends on the last, only
// whole messages, the bridge's peak memory flat); the bridge's CPU while idle.
void runBridgeBenchmark(Report &report, const QString &programDir);
