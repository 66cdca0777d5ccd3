#include "analysis/AnalysisRun.h"
