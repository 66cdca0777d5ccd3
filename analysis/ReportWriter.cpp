#include "analysis/ReportWriter.h"
