// The journal layer's diagnostics (the writer, the signing keys, the
// connections): one logging category, "weighstation.journal", which Qt's
// default message pattern names before each line. QT_LOGGING_RULES turns
// its levels on and off ("weighstation.journal.info=false").
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(journalLog)
