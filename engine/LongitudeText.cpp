#include "engine/LongitudeText.h"
