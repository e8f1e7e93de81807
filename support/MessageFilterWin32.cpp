#include "support/MessageFilterWin32.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace nq {

namespace {

struct Filtro {
    std::size_t id;
    TMessageFilter fn;
    bool ativo = true;
};

std::vector<std::shared_ptr<Filtro>>& Filtros() {
    static std::vector<std::shared_ptr<Filtro>> filtros;
    return filtros;
}

HHOOK hook = nullptr;

// Runs inside GetMessage and PeekMessage, for whatever loop asked. A message the filters dealt with
// becomes WM_NULL, which the loop then passes on harmlessly.
LRESULT CALLBACK GetMessageHook(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && wp == PM_REMOVE) {
        MSG& msg = *reinterpret_cast<MSG*>(lp);
        if (msg.message != WM_NULL && PreTranslate(msg)) msg.message = WM_NULL;
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

std::size_t AddMessageFilter(TMessageFilter filtro) {
    static std::size_t proximo = 0;
    auto f = std::make_shared<Filtro>(Filtro{++proximo, std::move(filtro)});
    Filtros().push_back(f);
    if (!hook) hook = SetWindowsHookExW(WH_GETMESSAGE, GetMessageHook, nullptr, GetCurrentThreadId());
    return f->id;
}

void RemoveMessageFilter(std::size_t id) {
    auto& filtros = Filtros();
    const auto it = std::find_if(filtros.begin(), filtros.end(), [id](const auto& f) { return f->id == id; });
    if (it == filtros.end()) return;
    (*it)->ativo = false;  // a PreTranslate running now must not call it any more
    filtros.erase(it);
    if (filtros.empty() && hook) {
        UnhookWindowsHookEx(hook);
        hook = nullptr;
    }
}

bool PreTranslate(MSG& msg) {
    // A filter may add or remove filters (a window closing, a dialog opening): walk a copy.
    const std::vector<std::shared_ptr<Filtro>> filtros = Filtros();
    for (auto it = filtros.rbegin(); it != filtros.rend(); ++it) {
        if ((*it)->ativo && (*it)->fn(msg)) return true;
    }
    return false;
}

}  // namespace nq
