// While a box is shown modal, the program's other windows take no input.
#pragma once

#include <windows.h>

#include <vector>

namespace globulon {

class ModalDisabledWindows {
  public:
    ModalDisabledWindows() = default;
    ModalDisabledWindows(const ModalDisabledWindows&) = delete;
    ModalDisabledWindows& operator=(const ModalDisabledWindows&) = delete;
    ~ModalDisabledWindows() { EnableAgain(); }

    // Disables this thread's other visible, enabled top-level windows (all but box).
    void DisableOthers(HWND box);
    // Enables the windows disabled here again, last disabled first; harmless when there are none.
    void EnableAgain();

  private:
    std::vector<HWND> disabled_;
};

}  // namespace globulon
