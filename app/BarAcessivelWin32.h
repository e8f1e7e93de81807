#pragma once
// What a screen reader finds in the bar: its buttons, painted by the bar itself, as the children of an
// accessible object (MSAA IAccessible) that the bar gives out for WM_GETOBJECT. Each child is a push
// button named by its title, with "Abrir" as its default action, focused when the keyboard marks it and
// hot under the pointer, at its place on the screen.

#include <windows.h>

#include <oleacc.h>

#include <string>

namespace nq {

// The bar as the accessible object reads it; buttons are numbered from 0.
class IBarAcessivel {
public:
    virtual ~IBarAcessivel() = default;
    virtual int Botoes() const = 0;
    virtual std::string NomeBotao(int i) const = 0;
    virtual RECT RetanguloBotao(int i) const = 0;  // on the screen
    virtual bool BotaoNaVista(int i) const = 0;     // false: scrolled out of the bar's panel
    virtual int BotaoMarcado() const = 0;          // the keyboard's mark, -1 for none
    virtual int BotaoQuente() const = 0;           // under the pointer, -1 for none
    virtual void AcionarBotao(int i) = 0;          // what a click does
};

// One object for the life of the bar window; the window gives it out with LresultFromObject and
// calls Desligar when it goes, after which the object answers that it is no longer there.
class TBarAcessivel final : public IAccessible {
public:
    TBarAcessivel(HWND janela, IBarAcessivel& barra);
    TBarAcessivel(const TBarAcessivel&) = delete;
    TBarAcessivel& operator=(const TBarAcessivel&) = delete;

    // The answer to WM_GETOBJECT for the client area; 0 for other objects.
    LRESULT ResponderGetObject(WPARAM wp, LPARAM lp);
    // The keyboard's mark moved to a button (0-based): screen readers hear of the new focus.
    void AvisarFoco(int botao);
    void Desligar();

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch: not offered (screen readers use the IAccessible methods directly).
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override;
    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** ppdispParent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* pcountChildren) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT varChild, IDispatch** ppdispChild) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT varChild, BSTR* pszName) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT varChild, BSTR* pszValue) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT varChild, BSTR* pszDescription) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT varChild, VARIANT* pvarState) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT varChild, BSTR* pszHelp) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* pvarChild) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* pvarChildren) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flagsSelect, VARIANT varChild) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                          VARIANT varChild) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT varChild) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT varChild, BSTR szName) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT varChild, BSTR szValue) override;

private:
    ~TBarAcessivel();
    // The child a VARIANT names: 0 for the bar itself, 1.. for its buttons; -1 for none.
    long Filho(const VARIANT& v) const;

    LONG refs_ = 1;
    HWND janela_;
    IBarAcessivel* barra_;
    IAccessible* padrao_ = nullptr;  // the system's object for the window's client area
};

}  // namespace nq
