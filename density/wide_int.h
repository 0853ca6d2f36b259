#pragma once

// Integers of 128 bits for exact decimal arithmetic (GCC and Clang).
namespace density {

__extension__ typedef __int128 WideInt;
__extension__ typedef unsigned __int128 WideUnsigned;

}  // namespace density
