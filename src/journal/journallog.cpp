#include "journal/journallog.h"

Q_LOGGING_CATEGORY(journalLog, "weighstation.journal")
