// Reading the executable's version record; see program_version.h.
#include "win32/about/program_version.h"

#include <windows.h>

#include <vector>

namespace globulon {
namespace {

// The full path of the running executable; empty when it cannot be read.
std::wstring ExecutablePath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return std::wstring();
        if (length < buffer.size()) return std::wstring(buffer.data(), length);
        // Truncated: a long path; try again with more room.
        if (buffer.size() >= 32768) return std::wstring();
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

VersionNumbers ProgramVersion() {
    const std::wstring path = ExecutablePath();
    if (path.empty()) return {};
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) return {};
    std::vector<unsigned char> record(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, record.data())) return {};
    void* value = nullptr;
    UINT valueSize = 0;
    if (!VerQueryValueW(record.data(), L"\\", &value, &valueSize) || !value ||
        valueSize < sizeof(VS_FIXEDFILEINFO)) {
        return {};
    }
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(value);
    if (info->dwSignature != 0xFEEF04BD) return {};
    return {HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
            HIWORD(info->dwFileVersionLS)};
}

}  // namespace globulon
