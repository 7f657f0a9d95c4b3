// SPDX-License-Identifier: MIT
#include "windows/app_info.h"

#include <windows.h>

#include <cwchar>
#include <vector>

namespace zembra::win {

namespace {

std::wstring OwnFileName() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length < name.size()) {
            name.resize(length);
            return name;
        }
        name.resize(name.size() * 2);
    }
}

// The string entry `key` in the first language block the file lists.
std::wstring StringEntry(std::vector<char>& block, const wchar_t* key) {
    struct Translation {
        WORD language;
        WORD codePage;
    };
    void* data = nullptr;
    UINT size = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &data, &size) ||
        size < sizeof(Translation)) {
        return {};
    }
    const auto* translation = static_cast<const Translation*>(data);
    wchar_t path[64];
    std::swprintf(path, 64, L"\\StringFileInfo\\%04x%04x\\%ls", translation->language,
                  translation->codePage, key);
    if (!VerQueryValueW(block.data(), path, &data, &size) || size == 0) return {};
    return std::wstring(static_cast<const wchar_t*>(data));
}

}  // namespace

AppInfo ReadAppInfo() {
    const std::wstring file = OwnFileName();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    if (size == 0) return {};
    std::vector<char> block(size);
    if (!GetFileVersionInfoW(file.c_str(), 0, size, block.data())) return {};

    AppInfo app;
    void* data = nullptr;
    UINT length = 0;
    if (VerQueryValueW(block.data(), L"\\", &data, &length) && length >= sizeof(VS_FIXEDFILEINFO)) {
        const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(data);
        app.major = HIWORD(fixed->dwFileVersionMS);
        app.minor = LOWORD(fixed->dwFileVersionMS);
        app.revision = LOWORD(fixed->dwFileVersionLS);
    }
    app.productName = StringEntry(block, L"ProductName");
    app.legalCopyright = StringEntry(block, L"LegalCopyright");
    return app;
}

std::wstring VersionText(const AppInfo& app) {
    return std::to_wstring(app.major) + L"." + std::to_wstring(app.minor) + L"." +
           std::to_wstring(app.revision);
}

}  // namespace zembra::win
