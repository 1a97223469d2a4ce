// The build: reads "script.txt" in the current directory, checks every source it names, cuts the
// payloads into chunks, builds the state table and writes "out.orv". Progress goes to standard output;
// every failure but a missing script is shown through ShowErrorBox, and leaves "out.orv" untouched.
#ifndef ORV_ENGINE_BUILD_ENGINE_H_
#define ORV_ENGINE_BUILD_ENGINE_H_

// True when "out.orv" was written. Callers that only need the side effects may ignore it.
bool BuildFromScript();

#endif  // ORV_ENGINE_BUILD_ENGINE_H_
