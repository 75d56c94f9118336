#include "clockseededrandom.h"
