// What the build engine itself makes of a script: the expected out.orv for a run of the program.
#ifndef ORV_TESTS_E2E_ENGINE_REFERENCE_H_
#define ORV_TESTS_E2E_ENGINE_REFERENCE_H_

#include <string>

#include "orv_bytes.h"
#include "work_dir.h"

namespace e2e {

// Builds script in a folder apart, holding copies of the sources in sources; the bytes of its
// out.orv. A failure of the build fails the calling test.
Bytes EngineBuild(const std::string& script, const WorkDir& sources);

}  // namespace e2e

#endif  // ORV_TESTS_E2E_ENGINE_REFERENCE_H_
