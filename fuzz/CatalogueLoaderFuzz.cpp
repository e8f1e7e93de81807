// Arbitrary bytes as the settings file: the catalogue must load (older layout included), save and read
// back the same, without crashing, hanging or growing beyond what the file holds.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/CatalogueLoaderCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string broken =
        nq::fuzzcheck::CheckCatalogueLoader(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!broken.empty()) {
        std::fprintf(stderr, "%s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
