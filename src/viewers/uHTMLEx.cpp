#include "uHTMLEx.h"
