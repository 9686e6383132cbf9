// What the refresh tick leaves for the logging step: the grand total and
// the tick's clock texts.
#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <array>

extern double total_weight;  // magnitude of the grand total after a tick
extern int total_unit;       // 0 kilograms, 1 pounds, 9 neither
extern QString time_text;
extern QString date_text;

// Written by every tick and read by nothing: the digits last put on the
// grand-total displays and the clock reading behind the two texts. They are
// kept because the readout's design names them as its state.
extern std::array<int, 8> total_digits;
extern QTime clock_time;
extern QDate clock_date;
