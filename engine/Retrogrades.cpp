#include "engine/Retrogrades.h"
