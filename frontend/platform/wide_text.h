// Text between the front end's UTF-8 and the UTF-16 of the system's wide calls (file names, the Open
// dialog, dropped files), whatever the program's code page.
#ifndef ORV_FRONTEND_PLATFORM_WIDE_TEXT_H_
#define ORV_FRONTEND_PLATFORM_WIDE_TEXT_H_

#include <string>

std::wstring WideFromUtf8(const std::string& text);
std::string Utf8FromWide(const std::wstring& text);

#endif  // ORV_FRONTEND_PLATFORM_WIDE_TEXT_H_
