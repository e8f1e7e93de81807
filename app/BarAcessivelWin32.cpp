#include "app/BarAcessivelWin32.h"

#include "support/Win32Text.h"

namespace nq {

namespace {

HRESULT Texto(const std::string& t, BSTR* out) {
    if (!out) return E_INVALIDARG;
    *out = SysAllocString(Wide(t).c_str());
    return *out ? S_OK : E_OUTOFMEMORY;
}

void Inteiro(VARIANT* v, long valor) {
    VariantInit(v);
    v->vt = VT_I4;
    v->lVal = valor;
}

}  // namespace

TBarAcessivel::TBarAcessivel(HWND janela, IBarAcessivel& barra) : janela_(janela), barra_(&barra) {
    CreateStdAccessibleObject(janela, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&padrao_));
}

TBarAcessivel::~TBarAcessivel() {
    if (padrao_) padrao_->Release();
}

LRESULT TBarAcessivel::ResponderGetObject(WPARAM wp, LPARAM lp) {
    if (static_cast<LONG>(lp) != OBJID_CLIENT || !barra_) return 0;
    return LresultFromObject(IID_IAccessible, wp, static_cast<IAccessible*>(this));
}

void TBarAcessivel::AvisarFoco(int botao) {
    if (barra_ && botao >= 0) NotifyWinEvent(EVENT_OBJECT_FOCUS, janela_, OBJID_CLIENT, botao + 1);
}

void TBarAcessivel::Desligar() {
    barra_ = nullptr;
    if (padrao_) {
        padrao_->Release();
        padrao_ = nullptr;
    }
    Release();
}

long TBarAcessivel::Filho(const VARIANT& v) const {
    if (v.vt != VT_I4 || !barra_) return -1;
    return v.lVal >= 0 && v.lVal <= barra_->Botoes() ? v.lVal : -1;
}

// --- IUnknown and IDispatch ------------------------------------------------------------------------------

HRESULT TBarAcessivel::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IAccessible) {
        *ppv = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG TBarAcessivel::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&refs_));
}

ULONG TBarAcessivel::Release() {
    const LONG n = InterlockedDecrement(&refs_);
    if (n == 0) delete this;
    return static_cast<ULONG>(n);
}

HRESULT TBarAcessivel::GetTypeInfoCount(UINT* n) {
    if (n) *n = 0;
    return S_OK;
}
HRESULT TBarAcessivel::GetTypeInfo(UINT, LCID, ITypeInfo**) {
    return E_NOTIMPL;
}
HRESULT TBarAcessivel::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}
HRESULT TBarAcessivel::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}

// --- IAccessible
// ---------------------------------------------------------------------------------------------

HRESULT TBarAcessivel::get_accParent(IDispatch** pai) {
    if (!barra_) return CO_E_OBJNOTCONNECTED;
    return padrao_ ? padrao_->get_accParent(pai) : S_FALSE;
}

HRESULT TBarAcessivel::get_accChildCount(long* n) {
    if (!barra_) return CO_E_OBJNOTCONNECTED;
    if (!n) return E_POINTER;
    *n = barra_->Botoes();
    return S_OK;
}

HRESULT TBarAcessivel::get_accChild(VARIANT v, IDispatch** filho) {
    if (!filho) return E_POINTER;
    *filho = nullptr;
    // The buttons are simple elements of this object, not objects of their own.
    return Filho(v) >= 0 ? S_FALSE : E_INVALIDARG;
}

HRESULT TBarAcessivel::get_accName(VARIANT v, BSTR* nome) {
    const long f = Filho(v);
    if (f < 0) return E_INVALIDARG;
    if (f == CHILDID_SELF) return padrao_ ? padrao_->get_accName(v, nome) : Texto("Nq-Pivel", nome);
    return Texto(barra_->NomeBotao(f - 1), nome);
}

HRESULT TBarAcessivel::get_accValue(VARIANT v, BSTR* valor) {
    if (valor) *valor = nullptr;
    return Filho(v) < 0 ? E_INVALIDARG : S_FALSE;
}

HRESULT TBarAcessivel::get_accDescription(VARIANT v, BSTR* d) {
    if (d) *d = nullptr;
    return Filho(v) < 0 ? E_INVALIDARG : S_FALSE;
}

HRESULT TBarAcessivel::get_accRole(VARIANT v, VARIANT* papel) {
    const long f = Filho(v);
    if (f < 0) return E_INVALIDARG;
    if (!papel) return E_POINTER;
    Inteiro(papel, f == CHILDID_SELF ? ROLE_SYSTEM_CLIENT : ROLE_SYSTEM_PUSHBUTTON);
    return S_OK;
}

HRESULT TBarAcessivel::get_accState(VARIANT v, VARIANT* estado) {
    const long f = Filho(v);
    if (f < 0) return E_INVALIDARG;
    if (!estado) return E_POINTER;
    if (f == CHILDID_SELF) return padrao_ ? padrao_->get_accState(v, estado) : (Inteiro(estado, 0), S_OK);
    long s = STATE_SYSTEM_FOCUSABLE;
    if (barra_->BotaoMarcado() == f - 1) s |= STATE_SYSTEM_FOCUSED;
    if (barra_->BotaoQuente() == f - 1) s |= STATE_SYSTEM_HOTTRACKED;
    // Seen only where the window lies on its monitor: the closed bar's buttons lie past the screen's edge.
    const RECT r = barra_->RetanguloBotao(f - 1);
    RECT janela{};
    GetWindowRect(janela_, &janela);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    RECT visivel = janela;
    if (GetMonitorInfoW(MonitorFromWindow(janela_, MONITOR_DEFAULTTONEAREST), &monitor))
        IntersectRect(&visivel, &janela, &monitor.rcMonitor);
    RECT dentro{};
    if (!IsWindowVisible(janela_) || !barra_->BotaoNaVista(f - 1) || !IntersectRect(&dentro, &r, &visivel))
        s |= STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;
    Inteiro(estado, s);
    return S_OK;
}

HRESULT TBarAcessivel::get_accHelp(VARIANT v, BSTR* h) {
    if (h) *h = nullptr;
    return Filho(v) < 0 ? E_INVALIDARG : S_FALSE;
}

HRESULT TBarAcessivel::get_accHelpTopic(BSTR* arquivo, VARIANT, long* topico) {
    if (arquivo) *arquivo = nullptr;
    if (topico) *topico = 0;
    return S_FALSE;
}

HRESULT TBarAcessivel::get_accKeyboardShortcut(VARIANT v, BSTR* atalho) {
    if (atalho) *atalho = nullptr;
    return Filho(v) < 0 ? E_INVALIDARG : S_FALSE;
}

HRESULT TBarAcessivel::get_accFocus(VARIANT* foco) {
    if (!barra_) return CO_E_OBJNOTCONNECTED;
    if (!foco) return E_POINTER;
    VariantInit(foco);
    const int m = barra_->BotaoMarcado();
    if (m >= 0) {
        Inteiro(foco, m + 1);
    } else if (GetFocus() == janela_) {
        Inteiro(foco, CHILDID_SELF);
    } else {
        return S_FALSE;
    }
    return S_OK;
}

HRESULT TBarAcessivel::get_accSelection(VARIANT* sel) {
    if (sel) VariantInit(sel);
    return barra_ ? S_FALSE : CO_E_OBJNOTCONNECTED;
}

HRESULT TBarAcessivel::get_accDefaultAction(VARIANT v, BSTR* acao) {
    const long f = Filho(v);
    if (f < 0) return E_INVALIDARG;
    if (f == CHILDID_SELF) {
        if (acao) *acao = nullptr;
        return S_FALSE;
    }
    return Texto("Abrir", acao);
}

HRESULT TBarAcessivel::accSelect(long, VARIANT v) {
    return Filho(v) < 0 ? E_INVALIDARG : DISP_E_MEMBERNOTFOUND;
}

HRESULT TBarAcessivel::accLocation(long* x, long* y, long* w, long* h, VARIANT v) {
    const long f = Filho(v);
    if (f < 0) return E_INVALIDARG;
    if (!x || !y || !w || !h) return E_POINTER;
    if (f == CHILDID_SELF) {
        if (padrao_) return padrao_->accLocation(x, y, w, h, v);
        return S_FALSE;
    }
    const RECT r = barra_->RetanguloBotao(f - 1);
    *x = r.left;
    *y = r.top;
    *w = r.right - r.left;
    *h = r.bottom - r.top;
    return S_OK;
}

HRESULT TBarAcessivel::accNavigate(long direcao, VARIANT inicio, VARIANT* fim) {
    const long f = Filho(inicio);
    if (f < 0 || !fim) return E_INVALIDARG;
    VariantInit(fim);
    const long n = barra_->Botoes();
    long alvo = 0;
    switch (direcao) {
        case NAVDIR_FIRSTCHILD:
            if (f != CHILDID_SELF) return E_INVALIDARG;
            alvo = n > 0 ? 1 : 0;
            break;
        case NAVDIR_LASTCHILD:
            if (f != CHILDID_SELF) return E_INVALIDARG;
            alvo = n;
            break;
        case NAVDIR_NEXT:
        case NAVDIR_DOWN:
            if (f == CHILDID_SELF) return padrao_ ? padrao_->accNavigate(direcao, inicio, fim) : S_FALSE;
            alvo = f < n ? f + 1 : 0;
            break;
        case NAVDIR_PREVIOUS:
        case NAVDIR_UP:
            if (f == CHILDID_SELF) return padrao_ ? padrao_->accNavigate(direcao, inicio, fim) : S_FALSE;
            alvo = f > 1 ? f - 1 : 0;
            break;
        default:
            return S_FALSE;
    }
    if (alvo == 0) return S_FALSE;
    Inteiro(fim, alvo);
    return S_OK;
}

HRESULT TBarAcessivel::accHitTest(long x, long y, VARIANT* filho) {
    if (!barra_) return CO_E_OBJNOTCONNECTED;
    if (!filho) return E_POINTER;
    VariantInit(filho);
    const POINT p{x, y};
    for (int i = 0; i < barra_->Botoes(); ++i) {
        const RECT r = barra_->RetanguloBotao(i);
        if (barra_->BotaoNaVista(i) && PtInRect(&r, p)) {
            Inteiro(filho, i + 1);
            return S_OK;
        }
    }
    RECT janela{};
    GetWindowRect(janela_, &janela);
    if (!PtInRect(&janela, p)) return S_FALSE;
    Inteiro(filho, CHILDID_SELF);
    return S_OK;
}

HRESULT TBarAcessivel::accDoDefaultAction(VARIANT v) {
    const long f = Filho(v);
    if (f < 0) return E_INVALIDARG;
    if (f == CHILDID_SELF) return DISP_E_MEMBERNOTFOUND;
    barra_->AcionarBotao(f - 1);
    return S_OK;
}

HRESULT TBarAcessivel::put_accName(VARIANT, BSTR) {
    return E_NOTIMPL;
}
HRESULT TBarAcessivel::put_accValue(VARIANT, BSTR) {
    return E_NOTIMPL;
}

}  // namespace nq
