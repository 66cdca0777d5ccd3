#include "entry/ZoneTable.h"
