// The one sample record of the tests: record `n` of station "bridge-1",
// taken on 2026-12-07 at 10:<n % 60> UTC, its total 100.0003 + n shown as
// 100 + n lbs on scale 1.
#pragma once

#include "journal/journalrecord.h"

JournalRecord sampleRecord(qint64 n);
