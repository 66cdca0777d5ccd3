#include "analysis/GrahaArudha.h"
