#include "entry/InputValidation.h"
