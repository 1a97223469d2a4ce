#include "platform/file_dialog.h"

#include <commdlg.h>

#include <algorithm>

#include "platform/file_names.h"
#include "platform/wide_text.h"

bool CFileDialog::DoModal(const CWnd& owner, const std::string& folder, const std::string& fileName,
                          std::string* chosen) const {
  const std::wstring wideTitle = WideFromUtf8(title);
  // Each name and its patterns NUL-terminated, the list closed by one more NUL.
  std::wstring filter;
  for (const auto& entry : filters) {
    filter += WideFromUtf8(entry.first) + L'\0';
    filter += WideFromUtf8(entry.second) + L'\0';
  }
  filter += L'\0';
  const std::wstring initialFolder = WideFromUtf8(folder.empty() ? CurrentFolder() : folder);
  const std::wstring extension = WideFromUtf8(defaultExtension);
  // Room for the longest path Windows has.
  std::wstring file(32768, L'\0');
  const std::wstring proposed = WideFromUtf8(fileName);
  proposed.copy(&file[0], std::min(proposed.size(), file.size() - 1));

  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = owner.GetSafeHwnd();
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = &file[0];
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = initialFolder.c_str();
  ofn.lpstrTitle = wideTitle.c_str();
  ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  // The current folder must not follow the user's browsing: relative paths and out.orv hang on it.
  ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_DONTADDTORECENT;
  ofn.Flags |= kind == kOpen ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT;
  if (!(kind == kOpen ? ::GetOpenFileNameW(&ofn) : ::GetSaveFileNameW(&ofn))) return false;
  file.resize(file.find(L'\0'));
  *chosen = Utf8FromWide(file);
  return true;
}
