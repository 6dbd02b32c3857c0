#include "corvello_binding.h"
