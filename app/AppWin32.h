#pragma once
// One running bar per user and computer.

#include <string>

namespace nq {

// The semaphore name of a user's bar: class name, computer and user in upper case.
std::string NomeSemaforo(const std::string& ClassFormMain);

// False when this process may go on. When the user's bar already runs, asks it to open and ends this
// process with exit code 0. Programming mode allows any number of bars.
bool AppExecutando(const std::string& ClassFormMain);

}  // namespace nq
