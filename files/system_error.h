#pragma once

#include <string>

namespace files {

// The system's description of an errno value ("No space left on device").
std::string systemReason(int error);

}  // namespace files
