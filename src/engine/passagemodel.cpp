#include "passagemodel.h"
