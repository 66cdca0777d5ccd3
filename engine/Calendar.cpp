#include "engine/Calendar.h"
