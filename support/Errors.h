#pragma once
// The program's exceptions.

#include <stdexcept>
#include <string>

namespace nq {

// A validation message for the user.
class ENqError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A component was given a value it refuses (an icon size, a section name); the text says which.
class EComponentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file could not be read or written; the text says which and why.
class EInOutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace nq
