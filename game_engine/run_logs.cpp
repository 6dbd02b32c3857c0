#include "run_logs.h"
