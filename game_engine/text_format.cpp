#include "text_format.h"
