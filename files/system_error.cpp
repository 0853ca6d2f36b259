#include "system_error.h"

#include <system_error>

namespace files {

std::string systemReason(int error)
{
    return std::generic_category().message(error);
}

}  // namespace files
