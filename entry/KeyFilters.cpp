#include "entry/KeyFilters.h"
