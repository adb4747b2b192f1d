// The system-menu About entry; see sys_menu.h.
#include "win32/about/sys_menu.h"

#include "win32/host/form_window.h"
#include "win32/host/resource_ids.h"

namespace globulon {
namespace {

// Item data of the separator; nothing reads it, it marks the program's own separator.
constexpr ULONG_PTR SeparatorItemData = 2048;

bool IsMinimised(HWND hwnd) {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(hwnd, &placement)) return false;
    return placement.showCmd == SW_SHOWMINIMIZED || placement.showCmd == SW_MINIMIZE;
}

HICON WindowIcon(HWND hwnd) {
    auto icon = reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(hwnd, GCLP_HICON));
    // Shared icons from resources need no freeing.
    if (!icon) icon = LoadIconW(ProgramInstance(), MAKEINTRESOURCEW(ProgramIconId));
    return icon;
}

}  // namespace

void AddSysMenuItem(HWND hwnd, UINT id, const std::wstring& caption, bool withSeparator) {
    if (!hwnd) return;
    HMENU menu = GetSystemMenu(hwnd, FALSE);
    if (!menu) return;
    // Both are inserted "before the item with this identifier"; as there is none yet, they go
    // to the end of the menu, the separator first.
    if (withSeparator) {
        wchar_t nothing[1] = {L'\0'};
        MENUITEMINFOW separator = {};
        separator.cbSize = sizeof(separator);
        separator.fMask = MIIM_TYPE | MIIM_DATA;
        separator.fType = MFT_SEPARATOR;
        separator.dwItemData = SeparatorItemData;
        separator.dwTypeData = nothing;
        InsertMenuItemW(menu, id, FALSE, &separator);
    }
    std::wstring text = caption;
    MENUITEMINFOW item = {};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_STATE | MIIM_ID | MIIM_TYPE | MIIM_DATA;
    item.fType = MFT_STRING;
    item.fState = MFS_ENABLED | MFS_UNCHECKED;
    item.wID = id;
    item.dwTypeData = text.data();
    item.cch = static_cast<UINT>(text.size() + 1);
    InsertMenuItemW(menu, id, FALSE, &item);
}

void ShowAboutFromMenu(AboutBox& box, HWND hwnd, const FormContext& context) {
    if (IsMinimised(hwnd)) ShowWindow(hwnd, SW_RESTORE);
    ShowAboutBox(box, context, L"", AboutPicture::FromIcon(WindowIcon(hwnd)));
}

}  // namespace globulon
