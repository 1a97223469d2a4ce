// The application object. Exactly one static instance of a class derived from CWinApp registers itself
// when constructed; the program's entry point (WinMain, here in the platform) then runs its start-up
// hook. The application's name, which captions its message boxes, is the executable's.
#ifndef ORV_FRONTEND_PLATFORM_WIN_APP_H_
#define ORV_FRONTEND_PLATFORM_WIN_APP_H_

#include <string>

// The Help command; a macro so that resource scripts can use it too.
#ifndef ID_HELP
#define ID_HELP 0xE146
#endif

// The file name of path without its directory (either slash) and without a final ".exe" in any case:
// "C:\Tools\ORVBuilder.exe" gives "ORVBuilder".
std::string AppNameFromPath(const std::string& path);
// The name of the running executable, or an empty text if the system cannot tell its path.
std::string ModuleAppName();

class CWinApp {
 public:
  // Registers this object as the application unless one is registered already.
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // The registered application, or null when the program has none.
  static CWinApp* Current();

  // --- start-up
  // The start-up hook: runs the application's windows, and the program ends when it returns. Its result
  // says, in the class library's terms, whether a message loop should follow; this platform never runs
  // one, so Run does not read it.
  virtual bool InitInstance() = 0;
  // What the entry point does: runs InitInstance. Returns the process's exit code.
  int Run();

  // Controls already have the system's three-dimensional look; there is nothing to switch on.
  bool Enable3dControls() { return true; }

  // --- commands
  // bool OnCommand(int id): a click or command that no window handled (a dialog's, or F1's ID_HELP).
  // Return true when handled; a derived application routes ids, e.g. ID_HELP to OnHelp.
  virtual bool OnCommand(int /*id*/) { return false; }
  // No help file ships with the tool, so there is nothing to open.
  void OnHelp() {}
};

#endif  // ORV_FRONTEND_PLATFORM_WIN_APP_H_
