#include "skPanels.h"
