// The name of a file the program keeps beside one of the user's for a while: "<name>.<8 hex digits>.tmp",
// the digits drawn so that nobody can guess them ahead, so nothing can be planted there in wait for the
// program.
#ifndef ORV_ENGINE_TEMPORARY_NAME_H_
#define ORV_ENGINE_TEMPORARY_NAME_H_

#include <functional>
#include <string>

// What one try with a fresh name came to. Only a name already taken is worth another try.
enum class NameTry { kDone, kNameTaken, kFailed };

// Offers `use` fresh names beside `name`, one at a time, until it is done with one, fails for another
// reason than the name being taken, or has found 100 names taken. True when it was done.
bool UseTemporaryName(const std::string& name, const std::function<NameTry(const std::string& candidate)>& use);

#endif  // ORV_ENGINE_TEMPORARY_NAME_H_
