// The preview run; see preview_run.h.
#include "scene/preview_run.h"

#include "startup/settings_store.h"

namespace globulon {

void RunPreview(HWND /*previewWindow*/, HWND /*hostDialog*/) {
    // The preview's frame loop arrives with its own change; until then the record is reset.
    SaveProgramSetting(L"ActiveSetup", L"0");
}

}  // namespace globulon
