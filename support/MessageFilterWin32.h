#pragma once
// Filters that see every message the GUI thread takes from its queue before TranslateMessage and
// DispatchMessage do, so that a window can see the keys meant for its controls first (Win32 has no key
// preview of its own). They work in every message loop of the thread, the system's own modal loops
// (dialog boxes, message boxes, menus) included, through a message hook that is in place while any
// filter exists: loops need not do anything for them.

#include <windows.h>

#include <cstddef>
#include <functional>

namespace nq {

// True when the filter dealt with the message and nothing else must see it.
using TMessageFilter = std::function<bool(MSG&)>;

// The newest filter is asked first; the first that answers true ends the message. Returns an id for
// RemoveMessageFilter. Filters may be added or removed from inside a filter. GUI thread only.
std::size_t AddMessageFilter(TMessageFilter filtro);
void RemoveMessageFilter(std::size_t id);

// Runs the filters over a message: true when one of them dealt with it. The hook calls it for every
// message taken from the queue.
bool PreTranslate(MSG& msg);

}  // namespace nq
