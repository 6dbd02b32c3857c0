#include "definition_file.h"
