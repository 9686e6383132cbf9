#include "app/applog.h"

Q_LOGGING_CATEGORY(appLog, "weighstation.app")
