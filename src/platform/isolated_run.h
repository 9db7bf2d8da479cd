// Work done in a child process, for the C libraries that read files from
// outside and have faults of their own: a damaged file that makes such a
// library read past a buffer or loop for ever costs that one read, never the
// program.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace zefir::platform {

// Runs `work` in a child process and returns what it returned; nullopt when
// the child died (a crash, a sanitizer's report), gave more than `limit`
// bytes, or was not done within `seconds` (it is killed then). The child
// shares nothing back but those bytes. Meant for code that only reads: the
// child calls no exit handlers, and in a program with threads it may use
// only what is safe after fork (memory, files, iconv).
std::optional<std::string> runIsolated(const std::function<std::string()>& work, std::size_t limit,
                                       int seconds);

}  // namespace zefir::platform
