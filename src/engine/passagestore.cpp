#include "passagestore.h"
