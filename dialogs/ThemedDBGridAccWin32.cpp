// What screen readers see of a data grid: a table (the grid's client area) whose children are rows, the
// title row first and then one per visible record, each row an object whose children are its cells.
// Names come from the grid: a row is named by every column's title with its value, a cell by its text.

#include <oleacc.h>

#include <memory>
#include <string>

#include "dialogs/ThemedDBGridWin32.h"
#include "support/Win32Text.h"

namespace nq {

namespace {

using TLigacao = TLigacaoAcessivel;

VARIANT Vazio() {
    VARIANT v;
    VariantInit(&v);
    return v;
}

bool EhProprio(const VARIANT& v) {
    return v.vt == VT_I4 && v.lVal == CHILDID_SELF;
}

HRESULT Texto(const std::string& s, BSTR* out) {
    if (!out) return E_INVALIDARG;
    const std::wstring w = Wide(s);
    *out = SysAllocStringLen(w.data(), static_cast<UINT>(w.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

// IUnknown, IDispatch (not offered: every property is reached through IAccessible) and the defaults of
// the IAccessible members that the two kinds of object answer alike.
class TAcessivelBase : public IAccessible {
public:
    explicit TAcessivelBase(std::shared_ptr<TLigacao> lig) : lig_(std::move(lig)) {}
    virtual ~TAcessivelBase() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IAccessible) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG n = InterlockedDecrement(&refs_);
        if (n == 0) delete this;
        return static_cast<ULONG>(n);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
        if (n) *n = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* out) override { return Nada(out); }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* out) override { return Nada(out); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* out, VARIANT, long* topic) override {
        if (topic) *topic = 0;
        return Nada(out);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* out) override { return Nada(out); }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR* out) override { return Nada(out); }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

protected:
    static HRESULT Nada(BSTR* out) {
        if (out) *out = nullptr;
        return S_FALSE;
    }
    TDBGridWin32* Grade() const { return lig_->grade; }
    TDBGrid* Modelo() const { return lig_->grade ? &lig_->grade->Grade() : nullptr; }
    int Registros() const {
        TDBGrid* g = Modelo();
        return g && g->DataSetValido() ? g->DataSource()->RecordCount() : 0;
    }
    int Atual() const {
        TDBGrid* g = Modelo();
        return g && g->DataSetValido() ? g->DataSource()->RecNo() : -1;
    }
    bool Focada() const { return Grade() && GetFocus() == Grade()->hwnd(); }
    static HRESULT Local(const RECT& r, long* x, long* y, long* w, long* h) {
        if (!x || !y || !w || !h) return E_INVALIDARG;
        *x = r.left, *y = r.top, *w = r.right - r.left, *h = r.bottom - r.top;
        return S_OK;
    }

    std::shared_ptr<TLigacao> lig_;

private:
    LONG refs_ = 1;
};

constexpr HRESULT kDesligado = CO_E_OBJNOTCONNECTED;

// One row: the title row (record 0) or a visible record. Its children are its cells, 1 per column.
class TAcessivelLinha final : public TAcessivelBase {
public:
    TAcessivelLinha(std::shared_ptr<TLigacao> lig, IAccessible* tabela, int recNo)
        : TAcessivelBase(std::move(lig)), tabela_(tabela), recNo_(recNo) {
        tabela_->AddRef();
    }
    ~TAcessivelLinha() override { tabela_->Release(); }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) override {
        if (!out) return E_POINTER;
        tabela_->AddRef();
        *out = tabela_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* n) override {
        if (!n) return E_POINTER;
        if (!Modelo()) return kDesligado;
        *n = static_cast<long>(Modelo()->Columns.size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** out) override {
        if (out) *out = nullptr;
        return S_FALSE;  // cells are simple elements of their row
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT filho, BSTR* out) override {
        if (!Modelo()) return kDesligado;
        if (EhProprio(filho)) return Texto(Modelo()->NomeLinha(recNo_), out);
        if (!Celula(filho)) return E_INVALIDARG;
        return Texto(Modelo()->TextoCelula(recNo_, filho.lVal - 1), out);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT filho, BSTR* out) override {
        if (!Modelo()) return kDesligado;
        if (EhProprio(filho) || recNo_ == 0) return Nada(out);
        if (!Celula(filho)) return E_INVALIDARG;
        return Texto(Modelo()->TextoCelula(recNo_, filho.lVal - 1), out);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT filho, VARIANT* out) override {
        if (!out) return E_POINTER;
        *out = Vazio();
        out->vt = VT_I4;
        if (EhProprio(filho))
            out->lVal = ROLE_SYSTEM_ROW;
        else if (Celula(filho))
            out->lVal = recNo_ == 0 ? ROLE_SYSTEM_COLUMNHEADER : ROLE_SYSTEM_CELL;
        else
            return E_INVALIDARG;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT filho, VARIANT* out) override {
        if (!out) return E_POINTER;
        if (!Modelo()) return kDesligado;
        if (!EhProprio(filho) && !Celula(filho)) return E_INVALIDARG;
        *out = Vazio();
        out->vt = VT_I4;
        long estado = recNo_ == 0 ? STATE_SYSTEM_READONLY : STATE_SYSTEM_READONLY | STATE_SYSTEM_SELECTABLE;
        if (recNo_ != 0 && Modelo()->LinhaNaTela(recNo_) < 0)
            estado |= STATE_SYSTEM_OFFSCREEN | STATE_SYSTEM_INVISIBLE;
        const bool atual = recNo_ != 0 && recNo_ == Atual();
        const bool selecionada = atual && (EhProprio(filho) || filho.lVal - 1 == Modelo()->SelectedIndex());
        if (selecionada) estado |= STATE_SYSTEM_SELECTED | (Focada() ? STATE_SYSTEM_FOCUSED : 0);
        if (recNo_ != 0) estado |= STATE_SYSTEM_FOCUSABLE;
        out->lVal = estado;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override {
        if (!out) return E_POINTER;
        *out = Vazio();
        if (!Modelo()) return kDesligado;
        if (recNo_ == 0 || recNo_ != Atual() || !Focada()) return S_FALSE;
        out->vt = VT_I4;
        out->lVal = Modelo()->SelectedIndex() + 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override { return get_accFocus(out); }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT filho) override {
        if (!Grade()) return kDesligado;
        if (recNo_ == 0) return S_FALSE;
        if (flags & (SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION)) {
            if (flags & SELFLAG_TAKEFOCUS) SetFocus(Grade()->hwnd());
            Grade()->Selecionar(recNo_);
            if (Celula(filho)) {
                Modelo()->SetSelectedIndex(filho.lVal - 1);
                Grade()->Atualizar();
            }
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* w, long* h, VARIANT filho) override {
        if (!Grade()) return kDesligado;
        RECT r{};
        if (EhProprio(filho)) {
            const RECT a = Grade()->RetanguloNaTela(recNo_, -1);
            const int n = static_cast<int>(Modelo()->Columns.size());
            const RECT b = n ? Grade()->RetanguloNaTela(recNo_, n - 1) : a;
            r = RECT{a.left, a.top, b.right, b.bottom};
        } else if (Celula(filho)) {
            r = Grade()->RetanguloNaTela(recNo_, filho.lVal - 1);
        } else {
            return E_INVALIDARG;
        }
        return Local(r, x, y, w, h);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long dir, VARIANT de, VARIANT* out) override {
        if (!out) return E_POINTER;
        *out = Vazio();
        if (!Modelo()) return kDesligado;
        const long n = static_cast<long>(Modelo()->Columns.size());
        long alvo = 0;
        if (EhProprio(de)) {
            if (dir == NAVDIR_FIRSTCHILD) alvo = 1;
            if (dir == NAVDIR_LASTCHILD) alvo = n;
        } else if (Celula(de)) {
            if (dir == NAVDIR_NEXT || dir == NAVDIR_RIGHT) alvo = de.lVal + 1;
            if (dir == NAVDIR_PREVIOUS || dir == NAVDIR_LEFT) alvo = de.lVal - 1;
        }
        if (alvo < 1 || alvo > n) return S_FALSE;
        out->vt = VT_I4;
        out->lVal = alvo;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
        if (!out) return E_POINTER;
        *out = Vazio();
        if (!Grade()) return kDesligado;
        for (long c = 0; c < static_cast<long>(Modelo()->Columns.size()); ++c) {
            const RECT r = Grade()->RetanguloNaTela(recNo_, c);
            if (PtInRect(&r, POINT{x, y})) {
                out->vt = VT_I4;
                out->lVal = c + 1;
                return S_OK;
            }
        }
        return S_FALSE;
    }

private:
    bool Celula(const VARIANT& v) const {
        return v.vt == VT_I4 && Modelo() && v.lVal >= 1 &&
               v.lVal <= static_cast<long>(Modelo()->Columns.size());
    }

    IAccessible* tabela_;
    int recNo_;
};

// The table: the grid's client area. Child k is the title row for k = 1 and record k - 1 otherwise.
class TAcessivelTabela final : public TAcessivelBase {
public:
    explicit TAcessivelTabela(std::shared_ptr<TLigacao> lig) : TAcessivelBase(std::move(lig)) {}

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!Grade()) return kDesligado;
        return AccessibleObjectFromWindow(Grade()->hwnd(), static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                          reinterpret_cast<void**>(out));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* n) override {
        if (!n) return E_POINTER;
        if (!Grade()) return kDesligado;
        *n = Registros() + 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT filho, IDispatch** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!Grade()) return kDesligado;
        if (filho.vt != VT_I4 || filho.lVal < 1 || filho.lVal > Registros() + 1) return E_INVALIDARG;
        *out = new TAcessivelLinha(lig_, this, filho.lVal - 1);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT filho, BSTR* out) override {
        if (!Grade()) return kDesligado;
        if (!EhProprio(filho)) return E_INVALIDARG;
        wchar_t nome[256] = L"";
        GetWindowTextW(Grade()->hwnd(), nome, 256);
        return Texto(Narrow(nome), out);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* out) override { return Nada(out); }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT filho, VARIANT* out) override {
        if (!out) return E_POINTER;
        if (!EhProprio(filho)) return E_INVALIDARG;
        *out = Vazio();
        out->vt = VT_I4;
        out->lVal = ROLE_SYSTEM_TABLE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT filho, VARIANT* out) override {
        if (!out) return E_POINTER;
        if (!Grade()) return kDesligado;
        if (!EhProprio(filho)) return E_INVALIDARG;
        *out = Vazio();
        out->vt = VT_I4;
        out->lVal = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_READONLY | (Focada() ? STATE_SYSTEM_FOCUSED : 0) |
                    (IsWindowVisible(Grade()->hwnd()) ? 0 : STATE_SYSTEM_INVISIBLE);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override {
        if (!out) return E_POINTER;
        *out = Vazio();
        if (!Grade()) return kDesligado;
        if (!Focada()) return S_FALSE;
        return LinhaAtual(out);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override {
        if (!out) return E_POINTER;
        *out = Vazio();
        if (!Grade()) return kDesligado;
        return LinhaAtual(out);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT filho) override {
        if (!Grade()) return kDesligado;
        if (EhProprio(filho)) {
            if (flags & SELFLAG_TAKEFOCUS) SetFocus(Grade()->hwnd());
            return S_OK;
        }
        if (filho.vt != VT_I4 || filho.lVal < 2 || filho.lVal > Registros() + 1) return E_INVALIDARG;
        TAcessivelLinha linha(lig_, this, filho.lVal - 1);
        VARIANT proprio = Vazio();
        proprio.vt = VT_I4;
        proprio.lVal = CHILDID_SELF;
        return linha.accSelect(flags, proprio);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* w, long* h, VARIANT filho) override {
        if (!Grade()) return kDesligado;
        if (!EhProprio(filho)) return E_INVALIDARG;
        RECT r{};
        GetClientRect(Grade()->hwnd(), &r);
        MapWindowPoints(Grade()->hwnd(), nullptr, reinterpret_cast<POINT*>(&r), 2);
        return Local(r, x, y, w, h);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long dir, VARIANT de, VARIANT* out) override {
        if (!out) return E_POINTER;
        *out = Vazio();
        if (!Grade()) return kDesligado;
        const long n = Registros() + 1;
        long alvo = 0;
        if (EhProprio(de)) {
            if (dir == NAVDIR_FIRSTCHILD) alvo = 1;
            if (dir == NAVDIR_LASTCHILD) alvo = n;
        } else if (de.vt == VT_I4) {
            if (dir == NAVDIR_NEXT || dir == NAVDIR_DOWN) alvo = de.lVal + 1;
            if (dir == NAVDIR_PREVIOUS || dir == NAVDIR_UP) alvo = de.lVal - 1;
        }
        if (alvo < 1 || alvo > n) return S_FALSE;
        return Filho(alvo, out);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
        if (!out) return E_POINTER;
        *out = Vazio();
        if (!Grade()) return kDesligado;
        POINT p{x, y};
        ScreenToClient(Grade()->hwnd(), &p);
        const TCelulaGrade c = Modelo()->HitTest(p.x, p.y);
        if (c.area == TCelulaGrade::Fora) {
            RECT r{};
            GetClientRect(Grade()->hwnd(), &r);
            if (!PtInRect(&r, p)) return S_FALSE;
            out->vt = VT_I4;
            out->lVal = CHILDID_SELF;
            return S_OK;
        }
        return Filho(c.area == TCelulaGrade::Titulo ? 1 : c.recNo + 1, out);
    }

private:
    HRESULT Filho(long id, VARIANT* out) {
        out->vt = VT_DISPATCH;
        out->pdispVal = new TAcessivelLinha(lig_, this, static_cast<int>(id - 1));
        return S_OK;
    }
    HRESULT LinhaAtual(VARIANT* out) {
        const int atual = Atual();
        if (atual < 1) return S_FALSE;
        return Filho(atual + 1, out);
    }
};

}  // namespace

IAccessible* CriarAcessivelGrade(std::shared_ptr<TLigacaoAcessivel> ligacao) {
    return new TAcessivelTabela(std::move(ligacao));
}

}  // namespace nq
