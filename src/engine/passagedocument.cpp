#include "passagedocument.h"
