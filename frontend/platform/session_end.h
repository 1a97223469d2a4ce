// A window that holds an ending session back (shut-down, sign-out, a restart for updates) says why, in
// the list Windows shows the user beside the programs that hold it.
#ifndef ORV_FRONTEND_PLATFORM_SESSION_END_H_
#define ORV_FRONTEND_PLATFORM_SESSION_END_H_

#include <string>

#include "platform/wnd.h"

// Gives Windows the reason (UTF-8, short: "5 handlers are not saved") until LetSessionEnd.
void HoldSessionEnd(const CWnd& window, const std::string& reason);
// Takes the reason back; nothing happens when none was given.
void LetSessionEnd(const CWnd& window);

#endif  // ORV_FRONTEND_PLATFORM_SESSION_END_H_
