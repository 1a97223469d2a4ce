// The application icon, loaded from the program's own resources, and the size the system draws
// icons at.
#ifndef ORV_FRONTEND_PLATFORM_ICON_H_
#define ORV_FRONTEND_PLATFORM_ICON_H_

#include <windows.h>

// The icon with this resource id in the executable, or null when it has none. Shared by the system:
// never destroyed. The resources live in the executable itself: the platform is linked in statically.
inline HICON LoadAppIcon(int id) { return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)); }

// Width and height of a standard icon (SM_CXICON, SM_CYICON).
inline SIZE GetSystemIconSize() { return {::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)}; }

#endif  // ORV_FRONTEND_PLATFORM_ICON_H_
