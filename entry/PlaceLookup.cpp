#include "entry/PlaceLookup.h"
