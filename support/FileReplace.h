#pragma once
// The temporary files through which a file is replaced in one step (IFileSystem::ReplaceAll), and the
// clean-up of those that an interrupted replacement left behind.
//
// They sit beside the file and are named after it, so that each program finds its own:
//   "PivelConfig.ini~<process>-<n>-<size>-<crc>.tmp"  the new content, written and flushed before the
//                                                     swap; complete when its size and CRC-32 match;
//   "PivelConfig.ini~<process>-<n>-antigo.tmp"        the file being replaced, which earlier builds
//                                                     moved aside for the instant of the swap (the
//                                                     swap is now one rename over the file); still
//                                                     recovered at start.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace nq {

std::uint32_t Crc32(std::string_view bytes);

// Full paths of the two temporary files of one replacement of `file` (a full path).
std::string ReplacementName(std::string_view file, std::uint32_t process, std::uint32_t n,
                            std::string_view bytes);
std::string ReplacedName(std::string_view file, std::uint32_t process, std::uint32_t n);

struct ReplaceLeftover {
    bool replaced = false;  // the file moved aside; otherwise new content
    std::uint32_t process = 0, n = 0;
    std::uint64_t size = 0;
    std::uint32_t crc = 0;
};

// What a name (without its folder) is, when it is one of the temporary files of `fileName` (the name of
// the file replaced, without its folder); nothing for any other name. Letter case is not significant.
std::optional<ReplaceLeftover> ParseReplaceName(std::string_view name, std::string_view fileName);

// Run at start, before the file is read: removes the temporary files that interrupted replacements of
// `file` left (those still open elsewhere stay), and the "pivXXXX.tmp" files that earlier versions left
// in its folder. When the file itself is missing, the newest complete new content, or else the newest
// file moved aside, is put in its place first; nothing is removed when that fails.
void RemoveLeftovers(const std::string& file);

}  // namespace nq
