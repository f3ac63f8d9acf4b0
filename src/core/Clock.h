#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// The program's idea of "now". Everything that needs today's date asks here, so tests can fix
// the date (and the time of the status-bar clock) and run the same on any day.
class Clock {
public:
    static QDateTime now();
    static QDate today() { return now().date(); }
    // "yyyy-MM-dd", the form in which dates are stored and compared.
    static QString todayText() { return today().toString(QStringLiteral("yyyy-MM-dd")); }

    // Fixes "now" until reset (tests).
    static void setFixed(const QDateTime& when);
    static void reset();
};
