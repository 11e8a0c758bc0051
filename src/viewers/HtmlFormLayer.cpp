#include "HtmlFormLayer.h"
