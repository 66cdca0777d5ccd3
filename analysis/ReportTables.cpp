#include "analysis/ReportTables.h"
