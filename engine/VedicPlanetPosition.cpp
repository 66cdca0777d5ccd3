#include "engine/VedicPlanetPosition.h"
