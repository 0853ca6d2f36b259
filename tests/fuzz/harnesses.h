#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// What the fuzzers feed the program, as plain functions: the libFuzzer entry
// points call them with generated inputs, the regression test with the kept
// ones. Each returns an empty text when every property held, or what failed.
namespace fuzz {

// Byte 0 picks the decimal separator; the rest is a field text. It is parsed,
// formatted back, handed over and brought onto the half-degree grid.
std::string numberText(const std::uint8_t* data, std::size_t size);

// The input is a reduction table file, read with the file's limits; both
// lookups run on its row temperatures and on readings at and beyond the ends.
std::string tableReader(const std::uint8_t* data, std::size_t size);

// Byte 0 picks the options (separator, language, units, strict checks); the
// rest is a batch file, run in process on the shipped table.
std::string batchReader(const std::uint8_t* data, std::size_t size);

}  // namespace fuzz
