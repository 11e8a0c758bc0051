#include "skInputs.h"
