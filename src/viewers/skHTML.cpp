#include "skHTML.h"
