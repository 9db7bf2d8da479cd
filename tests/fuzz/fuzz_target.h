// What every fuzz target shares: the entry point that libFuzzer, or the
// corpus replay of the normal test run, calls with one input; and a scratch
// folder for the readers that take a file rather than bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace zefir::fuzz {

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A fresh folder of this process, made on first use and made the current
// folder, so readers that look for their side files (or make folders)
// relative to it stay inside. Paths handed to a target must be absolute.
const std::string& scratchFolder();

// Writes `bytes` as the file `name` of the scratch folder (replacing what an
// earlier input left there) and returns its path.
std::string inputFile(std::string_view name, std::string_view bytes);

// Removes `name` from the scratch folder, so one input's file does not stand
// beside the next input.
void removeInputFile(std::string_view name);

}  // namespace zefir::fuzz
