#pragma once
// How the catalogue compares texts: the sort key that ignores case and accents, and the "%" patterns
// of its filters.

#include <string>
#include <string_view>

namespace nq {

// The sort key of a text: folded to lower case and stripped of accents ("Água" -> "agua").
std::string CollationKey(std::string_view Text);

// Matches text against a pattern in which "%" stands for any run of characters (none included).
bool MatchLike(std::string_view Text, std::string_view Pattern);

}  // namespace nq
