#include "x_display.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "driver.h"
#include "temp_dir.h"

namespace e2e {

namespace {

// Wine's own exports for moving between its drive letters and the host's paths.
using UnixFileName = char*(CDECL*)(LPCWSTR dosPath);
using DosFileName = WCHAR*(CDECL*)(const char* unixPath);

UnixFileName UnixNameFunction() {
  return reinterpret_cast<UnixFileName>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
}

DosFileName DosNameFunction() {
  return reinterpret_cast<DosFileName>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
}

std::string UnixPath(const std::wstring& dosPath) {
  char* name = UnixNameFunction()(dosPath.c_str());
  if (name == nullptr) return std::string();
  std::string path(name);
  ::HeapFree(::GetProcessHeap(), 0, name);
  return path;
}

std::wstring DosPath(const char* unixPath) {
  WCHAR* name = DosNameFunction()(unixPath);
  if (name == nullptr) return std::wstring();
  std::wstring path(name);
  ::HeapFree(::GetProcessHeap(), 0, name);
  return path;
}

// Runs a command line of the host's shell and returns its exit status, or -1 when it did not run to
// its end in time; *output gets what it printed. Wine starts a host program but gives no handle to
// wait on, so the shell leaves its status in a file of its own, renamed into place when whole.
int RunHost(const std::string& command, std::string* output) {
  static std::atomic<int> counter{0};
  wchar_t temp[MAX_PATH];
  ::GetTempPathW(MAX_PATH, temp);
  const std::wstring base =
      std::wstring(temp) + L"orv-x-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(counter++);
  const std::wstring outPath = base + L".out";
  const std::wstring statusPath = base + L".status";
  ::DeleteFileW(outPath.c_str());
  ::DeleteFileW(statusPath.c_str());
  const std::string out = UnixPath(outPath);
  const std::string status = UnixPath(statusPath);
  const std::wstring shell = DosPath("/bin/sh");
  if (out.empty() || status.empty() || shell.empty() || command.find('"') != std::string::npos) {
    *output = "cannot hand \"" + command + "\" to the host's shell";
    return -1;
  }
  const std::string script = "(" + command + ") >'" + out + "' 2>&1; echo $? >'" + status + ".part'; mv '" + status +
                             ".part' '" + status + "'";
  std::wstring commandLine = L"sh -c \"" + std::wstring(script.begin(), script.end()) + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  if (!::CreateProcessW(shell.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
    *output = "the host's shell did not start (error " + std::to_string(::GetLastError()) + ")";
    return -1;
  }
  if (process.hProcess != nullptr) ::CloseHandle(process.hProcess);
  if (process.hThread != nullptr) ::CloseHandle(process.hThread);
  const bool ended = WaitUntil([&] { return ::GetFileAttributesW(statusPath.c_str()) != INVALID_FILE_ATTRIBUTES; });
  *output = ReadText(outPath);
  const int code = ended ? std::atoi(ReadText(statusPath).c_str()) : -1;
  ::DeleteFileW(outPath.c_str());
  ::DeleteFileW(statusPath.c_str());
  if (!ended) *output = "\"" + command + "\" did not end in time; it printed: " + *output;
  return code;
}

bool RunTool(const std::string& command, std::string* err) {
  std::string output;
  const int code = RunHost(command, &output);
  if (code == 0) return true;
  *err = command + " failed (" + std::to_string(code) + "): " + output;
  return false;
}

// The X window that Wine shows a top-level window in, or 0.
unsigned long XWindowOf(HWND hwnd) {
  return static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(::GetPropA(hwnd, "__wine_x11_whole_window")));
}

}  // namespace

bool UnderWine() { return UnixNameFunction() != nullptr && DosNameFunction() != nullptr; }

std::string XToolsMissing() {
  if (!UnderWine()) return "not running under Wine";
  std::string err;
  if (!RunTool("xdotool getmouselocation && command -v xprop", &err)) return err;
  return std::string();
}

bool ClickAt(POINT at, std::string* err) {
  return RunTool("xdotool mousemove " + std::to_string(at.x) + " " + std::to_string(at.y) + " click 1", err);
}

POINT Centre(HWND hwnd) {
  RECT r;
  ::GetWindowRect(hwnd, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool TypeText(const std::string& text, std::string* err) {
  if (text.find('\'') != std::string::npos) {
    *err = "cannot type a quote";
    return false;
  }
  return RunTool("xdotool type --delay 40 '" + text + "'", err);
}

bool PressKeys(const std::string& keys, std::string* err) { return RunTool("xdotool key " + keys, err); }

bool DragFrom(POINT from, POINT to, std::string* err) {
  std::string command =
      "xdotool mousemove " + std::to_string(from.x) + " " + std::to_string(from.y) + " sleep 0.2 mousedown 1 sleep 0.2";
  const int steps = 4;
  for (int i = 1; i <= steps; ++i) {
    const long x = from.x + (to.x - from.x) * i / steps;
    const long y = from.y + (to.y - from.y) * i / steps;
    command += " mousemove " + std::to_string(x) + " " + std::to_string(y) + " sleep 0.1";
  }
  return RunTool(command + " mouseup 1", err);
}

bool PlaceOnScreen(HWND hwnd, RECT* client, RECT* frame, std::string* why) {
  const unsigned long id = XWindowOf(hwnd);
  if (id == 0) {
    *why = "the window has no X window of its own";
    return false;
  }
  // "x y width height" of the client area, then "_NET_FRAME_EXTENTS = left, right, top, bottom".
  const std::string window = std::to_string(id);
  std::string listed;
  if (RunHost("xwininfo -id " + window +
                  " | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width:/{w=$2} "
                  "/Height:/{h=$2} END{print x, y, w, h}'; xprop -id " +
                  window + " -notype _NET_FRAME_EXTENTS",
              &listed) != 0) {
    *why = "the window's place is not to be read: " + listed;
    return false;
  }
  long x = 0, y = 0, width = 0, height = 0, left = 0, right = 0, top = 0, bottom = 0;
  const size_t equals = listed.find('=');
  if (std::sscanf(listed.c_str(), "%ld %ld %ld %ld", &x, &y, &width, &height) != 4 || equals == std::string::npos ||
      std::sscanf(listed.c_str() + equals + 1, "%ld, %ld, %ld, %ld", &left, &right, &top, &bottom) != 4) {
    *why = "the window's place is not to be read: " + listed;
    return false;
  }
  *client = RECT{x, y, x + width, y + height};
  *frame = RECT{x - left, y - top, x + width + right, y + height + bottom};
  return true;
}

bool RequestClientSize(HWND hwnd, int width, int height, std::string* err) {
  const unsigned long id = XWindowOf(hwnd);
  if (id == 0) {
    *err = "the window has no X window of its own";
    return false;
  }
  return RunTool(
      "xdotool windowsize " + std::to_string(id) + " " + std::to_string(width) + " " + std::to_string(height), err);
}

bool WaitForWindowManager(std::string* err) {
  // Debian's own Python, which has the X library; another one first on the PATH may lack it.
  return RunTool("/usr/bin/python3 '" ORV_WM_BARRIER "'", err);
}

bool StackedAbove(HWND upper, HWND lower, std::string* why) {
  const unsigned long upperId = XWindowOf(upper);
  const unsigned long lowerId = XWindowOf(lower);
  if (upperId == 0 || lowerId == 0) {
    *why = "a window has no X window of its own";
    return false;
  }
  std::string listed;
  if (RunHost("xprop -root -notype _NET_CLIENT_LIST_STACKING", &listed) != 0) {
    *why = "the window manager's stacking is not to be read: " + listed;
    return false;
  }
  // "_NET_CLIENT_LIST_STACKING: window id # 0x400004, 0x600006", bottom first.
  std::vector<unsigned long> stacking;
  const size_t hash = listed.find('#');
  std::istringstream ids(hash == std::string::npos ? std::string() : listed.substr(hash + 1));
  for (std::string id; std::getline(ids, id, ',');) stacking.push_back(std::strtoul(id.c_str(), nullptr, 16));
  int upperAt = -1;
  int lowerAt = -1;
  for (size_t i = 0; i < stacking.size(); ++i) {
    if (stacking[i] == upperId) upperAt = static_cast<int>(i);
    if (stacking[i] == lowerId) lowerAt = static_cast<int>(i);
  }
  if (upperAt < 0 || lowerAt < 0) {
    *why = "the window manager does not manage both windows: " + listed;
    return false;
  }
  if (upperAt < lowerAt) *why = "the window manager stacks it below: " + listed;
  return upperAt > lowerAt;
}

bool ActiveForWindowManager(HWND hwnd, std::string* why) {
  const unsigned long id = XWindowOf(hwnd);
  if (id == 0) {
    *why = "the window has no X window of its own";
    return false;
  }
  std::string listed;
  if (RunHost("xprop -root -notype _NET_ACTIVE_WINDOW", &listed) != 0) {
    *why = "the window manager's active window is not to be read: " + listed;
    return false;
  }
  // "_NET_ACTIVE_WINDOW: window id # 0x600006"; openbox names the client window, not its frame.
  const size_t hash = listed.find('#');
  const unsigned long active = hash == std::string::npos ? 0 : std::strtoul(listed.c_str() + hash + 1, nullptr, 16);
  if (active == id) return true;
  char own[32];
  std::snprintf(own, sizeof(own), "0x%lx", id);
  *why = "the window manager's active window is not " + std::string(own) + ": " + listed;
  return false;
}

}  // namespace e2e
