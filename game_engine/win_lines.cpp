#include "win_lines.h"
