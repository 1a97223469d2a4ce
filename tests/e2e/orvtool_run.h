// Runs the real orvtool.exe from an end-to-end test, as a user's console would.
#ifndef ORV_TESTS_E2E_ORVTOOL_RUN_H_
#define ORV_TESTS_E2E_ORVTOOL_RUN_H_

#include <windows.h>

#include <filesystem>
#include <string>

namespace e2e {

// Runs orvtool.exe with the arguments, its standard output and error both going to the file output; its
// exit status, or -1 (as a DWORD) when it did not start or did not end in time.
DWORD RunOrvtool(const std::wstring& arguments, const std::filesystem::path& output);

}  // namespace e2e

#endif  // ORV_TESTS_E2E_ORVTOOL_RUN_H_
