// The paths of a build taken from its script's place: a source path in the script is relative to the
// script's own folder unless absolute, and the default output lies beside the script. The results are
// as the current folder reaches the files, built by putting the script's folder, as the script's path
// gives it, before the name; nothing is made absolute or tidied, so a script named relatively gives
// relative paths.
#ifndef ORV_ENGINE_SCRIPT_FOLDER_H_
#define ORV_ENGINE_SCRIPT_FOLDER_H_

#include <string>

// Whether `path` has a root and so lies in no folder it is named from: a leading slash, and on Windows
// a leading backslash or a drive ("C:" alone included) too.
bool IsRootedPath(const std::string& path);

// The path by which a build opens the source `path` that the script at `script` names. Where the slash
// is the only separator, a backslash in `path` separates folders too, as in the sets the dialog saves
// on Windows, unless the path as written names a file: a name that holds a backslash still opens.
std::string SourceOpenPath(const std::string& script, const std::string& path);

// The file `name` in the script's folder: "out.orv" beside "script.txt", "sets/out.orv" beside
// "sets/boss.txt".
std::string BesideScript(const std::string& script, const std::string& name);

#endif  // ORV_ENGINE_SCRIPT_FOLDER_H_
