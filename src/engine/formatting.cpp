#include "formatting.h"
