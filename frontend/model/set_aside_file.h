// A file of the user's that stands under a name the program must use for a file of its own for a while
// (the build's hand-over script): moved aside under a fresh name, then put back untouched, byte for
// byte, once the program is done with the name.
#ifndef ORV_FRONTEND_MODEL_SET_ASIDE_FILE_H_
#define ORV_FRONTEND_MODEL_SET_ASIDE_FILE_H_

#include <string>
#include <utility>

class SetAsideFile {
 public:
  explicit SetAsideFile(std::string name) : name_(std::move(name)) {}
  // Puts back what is still aside.
  ~SetAsideFile();
  SetAsideFile(const SetAsideFile&) = delete;
  SetAsideFile& operator=(const SetAsideFile&) = delete;

  // Moves whatever is under the name, a file or a link, to "<name>.<8 hex digits>.tmp" beside it. True
  // when nothing of the user's is left that the program could write over: nothing was there, it was
  // moved, or it is a folder (which no file can be written over). False when it could not be moved;
  // the program must then leave the name alone.
  bool MoveAside();
  // Puts the file back under its name, once the program has removed its own; true when it is back, or
  // when nothing was aside.
  bool PutBack();

  // Where the file is while it is aside, else "".
  const std::string& asideName() const { return aside_; }

 private:
  std::string name_;
  std::string aside_;
};

#endif  // ORV_FRONTEND_MODEL_SET_ASIDE_FILE_H_
