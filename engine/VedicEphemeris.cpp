#include "engine/VedicEphemeris.h"
