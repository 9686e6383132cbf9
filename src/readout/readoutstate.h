// What the refresh tick leaves for the logging step: the grand total and
// the tick's clock texts.
#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <array>

extern double total_weight;  // magnitude of the grand total after a tick
extern int total_unit;       // 0 kilograms, 1 pounds, 9 neither
extern std::array<int, 8> total_digits;
extern QTime clock_time;
extern QDate clock_date;
extern QString time_text;
extern QString date_text;
