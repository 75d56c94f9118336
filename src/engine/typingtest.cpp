#include "typingtest.h"
