#pragma once
// How the catalogue compares texts: the key that ignores case and accents, the sort key that also
// orders numbers by value, and the "%" patterns of its filters.

#include <string>
#include <string_view>

namespace nq {

// The sort key of a text: folded to lower case and stripped of accents ("Água" -> "agua").
// What type-to-find matches in; its bytes keep the text's digits as they are.
std::string CollationKey(std::string_view Text);

// The order of titles as the system's file windows show them: CollationKey with every run of digits
// made comparable by value ("Pasta 7" < "Pasta 20", "a2" < "a10"), so that comparing two keys byte by
// byte gives that order. A run sorts where a digit would against other characters; texts equal but for
// the leading zeros of their numbers put the one with fewer first ("7 b" < "07 b" < "7 c"). Only for
// sorting: the key is not text to search in.
std::string ChaveDeOrdem(std::string_view Text);

// Matches text against a pattern in which "%" stands for any run of characters (none included).
bool MatchLike(std::string_view Text, std::string_view Pattern);

}  // namespace nq
