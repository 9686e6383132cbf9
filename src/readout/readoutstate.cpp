#include "readout/readoutstate.h"

double total_weight = 0.0;
int total_unit = 0;
std::array<int, 8> total_digits{};
QTime clock_time;
QDate clock_date;
QString time_text;
QString date_text;
