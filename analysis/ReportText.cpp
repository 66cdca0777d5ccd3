#include "analysis/ReportText.h"
