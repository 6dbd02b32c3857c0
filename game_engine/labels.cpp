#include "labels.h"
