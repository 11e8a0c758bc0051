#include "skPopMenu.h"
