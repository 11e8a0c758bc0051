#include "skLabels.h"
