#pragma once

// The message catalogue, wherever the build finds it (CMake says which).
#ifdef VANTOREL_TEXT_LIBRARY
#include "text/catalogue.h"
namespace texts = text;
#else
#include "app/catalogue.h"
namespace texts = shell;
#endif
