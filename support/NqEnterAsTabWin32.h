#pragma once
// Makes Enter move the focus to the next control of a window, as Tab does. It sees the keys through a
// message filter (support/MessageFilterWin32.h), in whatever loop the window runs.

#include <windows.h>

#include <cstddef>

namespace nq {

class TNqEnterAsTab {
public:
    // Throws ENqError when form is not a top-level window.
    explicit TNqEnterAsTab(HWND form);
    ~TNqEnterAsTab();
    TNqEnterAsTab(const TNqEnterAsTab&) = delete;
    TNqEnterAsTab& operator=(const TNqEnterAsTab&) = delete;

    bool EnterAsTab = true;

    // The filter: true (swallow) for Enter typed in a control of the form, after moving the focus on.
    // A push button, or a control that asks for Enter itself (a multi-line edit), keeps the key.
    bool InternalKeyPress(MSG& msg);

private:
    void ProximoControle(HWND atual);

    HWND form_;
    std::size_t filtro_ = 0;
};

}  // namespace nq
