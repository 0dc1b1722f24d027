#include "base/version.h"

#ifndef MEWLARK_VERSION_TEXT
#error MEWLARK_VERSION_TEXT must be defined by the build
#endif

const char* const kVersionText = MEWLARK_VERSION_TEXT;
