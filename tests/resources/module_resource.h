// The raw bytes of a resource of the running executable, which links the same builder.rc as
// ORVBuilder.exe.
#ifndef ORV_TESTS_RESOURCES_MODULE_RESOURCE_H_
#define ORV_TESTS_RESOURCES_MODULE_RESOURCE_H_

#include <windows.h>

#include <cstddef>

struct ResourceBytes {
  const void* data = nullptr;  // null when the module has no such resource
  size_t size = 0;
};

inline ResourceBytes FindModuleResource(LPCSTR type, int id) {
  ResourceBytes bytes;
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), type);
  HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
  if (loaded) {
    bytes.data = LockResource(loaded);
    bytes.size = SizeofResource(module, info);
  }
  return bytes;
}

#endif  // ORV_TESTS_RESOURCES_MODULE_RESOURCE_H_
