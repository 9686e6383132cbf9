// The monitor's own diagnostics beyond the system's (its start, its
// workers' ends, the fonts): one logging category, "weighstation.app". The
// reader threads' and the logs' diagnostics the system defines keep the
// toolkit's plain debug output, word for word.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(appLog)
