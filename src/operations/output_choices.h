// The output choices a parameter set offers (the "Czyn" list): texts with the
// codes the report outputs read, chosen by the option's output kinds.
#pragma once

#include <string>
#include <vector>

namespace zefir::operations {

struct OutputChoice {
  std::string text;  // code page 1250
  std::string code;  // "p", "e", "ok" ...
};

// The list for output kinds (a bit set of kOutput... and 8 fiscal receipt,
// 16 other): "Podgląd" then the entries of each kind in order; at most 18.
// Kinds 0 (an option that only edits) give the single entry "Zapis".
std::vector<OutputChoice> outputChoices(int kinds);

// The settings key that remembers an option's output choice ("Zes-" + key).
std::string outputChoiceKey(const std::string& outputKey);

// The entry to select: the stored position (entry index + 1) when it names
// an entry of `count`, else the first.
int rememberedChoice(int stored, int count);

}  // namespace zefir::operations
