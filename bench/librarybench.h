#pragma once

class QString;
class Report;

// A library of 10,000 patterns opened in the library window until the window shows it, against
// QJsonDocument parsing the same file alone; and the peak memory of the program with that
// library shown, against the program showing its starter set (a program of its own beside the
// driver, run both ways).
void runLibraryBenchmark(Report &report, const QString &binDir);
