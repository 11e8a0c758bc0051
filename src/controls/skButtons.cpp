#include "skButtons.h"
