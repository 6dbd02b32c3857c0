#include "save_files.h"
