// The menus for real: the system menu made from the model, its owner-drawn entries measured and
// painted by the renderer through the GDI canvas, and the pictures of a menu.

#include "menus/NqMenusWin32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Win32TestUtil.h"
#include "support/Win32Handles.h"
#include "ui/GdiCanvasWin32.h"
#include "ui/GdiWin32.h"
#include "ui/ImageListWin32.h"

namespace nq {
namespace {

// A window's popup menu with the renderer, as the bar has them.
struct Janela {
    TMenuSistemaWin32 sis;
    TMenuOwner form;
    TPopupMenu popup{&form};
    std::unique_ptr<TNqMenu> menu;
    TMenuWin32 win32{popup};

    TMenuItem& Entrada(const std::string& caption, unsigned command = 0) {
        return popup.Items().Add(NewItem(&form, caption, command));
    }
    void Criar(TTipoMenu tipo = TTipoMenu::tmOffice) {
        menu = std::make_unique<TNqMenu>(&form, sis);
        menu->Name = "NqMenu1";
        menu->SetTipoMenu(tipo);
    }
};

MENUITEMINFOW Info(HMENU m, UINT pos) {
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_DATA;
    EXPECT_TRUE(GetMenuItemInfoW(m, pos, TRUE, &mi)) << pos;
    return mi;
}

std::wstring Texto(HMENU m, UINT pos) {
    wchar_t buf[128] = {};
    GetMenuStringW(m, pos, buf, 128, MF_BYPOSITION);
    return buf;
}

// Shows the system menu for real on a test window whose WM_MEASUREITEM and WM_DRAWITEM go to the
// menu at a density, and answers the heights the system gave its entries once they are painted.
struct Exibicao {
    TMenuWin32* menu = nullptr;
    int dpi = 96;
    int pinturas = 0;
    int tiques = 0;
    std::vector<int> alturas;
};
Exibicao* exibicao = nullptr;

LRESULT CALLBACK JanelaDeTeste(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (exibicao && msg == WM_MEASUREITEM &&
        exibicao->menu->Medir(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp), exibicao->dpi))
        return TRUE;
    if (exibicao && msg == WM_DRAWITEM &&
        exibicao->menu->Desenhar(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp), exibicao->dpi)) {
        ++exibicao->pinturas;
        return TRUE;
    }
    return DefWindowProcW(w, msg, wp, lp);
}

std::vector<int> AlturasReais(TMenuWin32& menu, int dpi, int* pinturas = nullptr) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = JanelaDeTeste;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"PivelMenuTeste";
    RegisterClassExW(&wc);
    HWND w = CreateWindowExW(0, L"PivelMenuTeste", L"menu", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    Exibicao e;
    e.menu = &menu;
    e.dpi = dpi;
    exibicao = &e;
    SetForegroundWindow(w);
    SetTimer(w, 1, 50, [](HWND janela, UINT, UINT_PTR, DWORD) {
        Exibicao& x = *exibicao;
        HMENU m = x.menu->Handle();
        const int n = GetMenuItemCount(m);
        std::vector<int> alturas;
        for (int i = 0; i < n; ++i) {
            RECT r{};
            if (!GetMenuItemRect(janela, m, static_cast<UINT>(i), &r)) break;
            alturas.push_back(r.bottom - r.top);
        }
        // Done once the menu is laid out and painted (a menu of plain entries paints none of its own: half a
        // second then), or after a deadline of 10 s.
        ++x.tiques;
        if ((static_cast<int>(alturas.size()) == n && (x.pinturas > 0 || x.tiques > 10)) || x.tiques > 200) {
            x.alturas = alturas;
            EndMenu();
        }
    });
    TrackPopupMenu(menu.Handle(), TPM_LEFTALIGN, 100, 100, 0, w, nullptr);
    KillTimer(w, 1);
    DestroyWindow(w);
    exibicao = nullptr;
    if (pinturas) *pinturas = e.pinturas;
    return e.alturas;
}

TEST(TMenuWin32, HookedItemsBecomeOwnerDrawnEntries) {
    Janela j;
    TMenuItem& abrir = j.Entrada("Abrir", 40);
    abrir.ShortCut = ShortCut(VK_INSERT);
    j.Entrada("   ");  // blank: left to the system's drawing
    j.Entrada("-");
    j.Entrada("Oculto").Visible = false;
    TMenuItem& mais = j.Entrada("Mais");
    j.Entrada("Desligado").Enabled = false;
    j.Criar();
    TMenuItem& filho = mais.Add(NewItem(nullptr, "Filho", 41));
    TMenuItem& solto = mais.Add(NewItem(nullptr, "Solto"));
    j.menu->AtivarIndiv(filho, true);

    HMENU m = j.win32.Criar();
    ASSERT_NE(m, nullptr);
    ASSERT_EQ(GetMenuItemCount(m), 5);
    EXPECT_EQ(Info(m, 0).fType, UINT(MFT_OWNERDRAW));
    EXPECT_EQ(Info(m, 0).wID, 40u);
    EXPECT_EQ(Texto(m, 0), L"Abrir\tIns");  // the text stays for the system's keyboard handling
    EXPECT_EQ(Info(m, 1).fType, UINT(MFT_STRING));
    EXPECT_EQ(Info(m, 2).fType, UINT(MFT_SEPARATOR | MFT_OWNERDRAW));
    const MENUITEMINFOW sub = Info(m, 3);
    EXPECT_EQ(sub.fType, UINT(MFT_OWNERDRAW));
    ASSERT_NE(sub.hSubMenu, nullptr);
    EXPECT_TRUE(Info(m, 4).fState & MFS_DISABLED);
    ASSERT_EQ(GetMenuItemCount(sub.hSubMenu), 2);
    EXPECT_EQ(Info(sub.hSubMenu, 0).fType, UINT(MFT_OWNERDRAW));
    EXPECT_EQ(Info(sub.hSubMenu, 1).fType, UINT(MFT_STRING));
    EXPECT_EQ(j.win32.ItemDoComando(41), &filho);
    EXPECT_EQ(j.win32.ItemDoComando(Info(sub.hSubMenu, 1).wID), &solto);
    EXPECT_GE(Info(sub.hSubMenu, 1).wID, TMenuWin32::kPrimeiroComandoLivre);
    EXPECT_EQ(j.win32.ItemDoComando(999), nullptr);
    EXPECT_EQ(j.win32.Recusados(), 0);
    // "&" names the access key of an owner-drawn entry.
    j.Entrada("Finaliza&r", 42);
    j.menu->Atualizar();
    m = j.win32.Criar();
    EXPECT_EQ(j.win32.MenuChar(L'R', m), MAKELRESULT(5, MNC_EXECUTE));
    EXPECT_EQ(j.win32.MenuChar(L'x', m), 0);

    // Switched off, the renderer leaves the system to draw everything.
    j.menu->SetAtivo(false);
    m = j.win32.Criar();
    for (UINT i : {0u, 3u}) EXPECT_FALSE(Info(m, i).fType & MFT_OWNERDRAW) << i;
}

TEST(TMenuWin32, EntriesTheSystemRefusesAreMadePlainOrLeftOutAndTheMenuStillOpens) {
    Janela j;
    j.Entrada("Primeiro", 40);
    j.Entrada("Recusado", 41);
    j.Entrada("-");
    j.Entrada("Último", 0xFFFF + 5);  // a command the window could not receive
    j.Entrada("Fim", 43);
    j.Criar();
    int tentativas = 0;
    j.win32.InserirItem = [&](HMENU m, UINT pos, BOOL byPos, const MENUITEMINFOW* mi) -> BOOL {
        ++tentativas;
        if (mi->fType & MFT_OWNERDRAW) return FALSE;  // no owner drawing at all
        if (mi->wID == 41) return FALSE;              // and this one not even plain
        return InsertMenuItemW(m, pos, byPos, mi);
    };
    HMENU m = j.win32.Criar();
    ASSERT_NE(m, nullptr);
    ASSERT_EQ(GetMenuItemCount(m), 3);
    EXPECT_EQ(Info(m, 0).wID, 40u);
    EXPECT_EQ(Info(m, 0).fType, UINT(MFT_STRING));
    EXPECT_EQ(Info(m, 1).fType, UINT(MFT_SEPARATOR));
    EXPECT_EQ(Info(m, 2).wID, 43u);
    EXPECT_EQ(j.win32.Recusados(), 5);  // three made plain, one refused twice, one never tried
    EXPECT_EQ(j.win32.ItemDoComando(41), nullptr);
    EXPECT_EQ(tentativas, 8);
    EXPECT_EQ(AlturasReais(j.win32, 96).size(), 3u);
}

// The character height of the system's menu font at a density, measured as the program measures it.
int AlturaDaFonteDeMenu(int dpi) {
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof ncm;
    EXPECT_TRUE(SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0, dpi));
    FontHandle font(CreateFontIndirectW(&ncm.lfMenuFont));
    HDC dc = GetDC(nullptr);
    TEXTMETRICW tm{};
    {
        ScopedSelectObject sel(dc, font.get());
        GetTextMetricsW(dc, &tm);
    }
    ReleaseDC(nullptr, dc);
    return tm.tmHeight;
}

TEST(TMenuWin32, RealHeightsFollowTheSystemMenuFontAt96And144Dpi) {
    for (int dpi : {96, 144}) {
        SCOPED_TRACE(dpi);
        auto S = [dpi](int px) { return Scale(px, dpi); };
        const int texto = AlturaDaFonteDeMenu(dpi) + S(4) + S(4) + S(2);
        {
            Janela j;
            j.Entrada("*Atalhos");  // a title: bold, and refused by the system menu once painted
            j.Entrada("Abrir", 40);
            j.Entrada("-");
            j.Entrada("Fechar", 41).ShortCut = ShortCut(VK_ESCAPE, scShift);
            j.Criar(TTipoMenu::tmPadrao);
            j.win32.Criar();
            int pinturas = 0;
            EXPECT_EQ(AlturasReais(j.win32, dpi, &pinturas), (std::vector<int>{texto, texto, S(6), texto}));
            EXPECT_GT(pinturas, 0);
            EXPECT_TRUE(j.popup.Items().Items(0).Enabled);  // the paint leaves the model as it was
            EXPECT_TRUE(GetMenuState(j.win32.Handle(), 0, MF_BYPOSITION) & MF_GRAYED);
            EXPECT_FALSE(GetMenuState(j.win32.Handle(), 1, MF_BYPOSITION) & MF_GRAYED);
        }
        {
            // With pictures the picture decides: 16 pixels at 96 dpi, and TamIcone 20 never enlarges them.
            Janela j;
            TImageListWin32 figuras(S(16));
            figuras.Add(IconHandle());
            j.popup.Images = &figuras;
            j.Entrada("Abrir", 40);
            j.Entrada("-");
            j.Criar(TTipoMenu::tmOffice);
            j.win32.Criar();
            EXPECT_EQ(AlturasReais(j.win32, dpi), (std::vector<int>{S(16) + S(4) + S(2), S(6)}));
        }
    }
}

// A 32-bit bitmap to draw on, read back pixel by pixel.
class Bitmap {
public:
    Bitmap(int w, int h) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = w;
        bi.bmiHeader.biHeight = -h;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bmp_.reset(CreateDIBSection(dc_.get(), &bi, DIB_RGB_COLORS, nullptr, nullptr, 0));
        old_ = SelectObject(dc_.get(), bmp_.get());
    }
    ~Bitmap() { SelectObject(dc_.get(), old_); }
    HDC dc() const { return dc_.get(); }
    // The pixel as a colour of the program (red in the low byte).
    TColor At(int x, int y) const { return static_cast<TColor>(GetPixel(dc_.get(), x, y)); }

private:
    MemoryDC dc_{nullptr};
    BitmapHandle bmp_;
    HGDIOBJ old_ = nullptr;
};

std::string Cor(TColor c) {
    return std::to_string(c & 0xFF) + "," + std::to_string((c >> 8) & 0xFF) + "," +
           std::to_string((c >> 16) & 0xFF);
}

TEST(TGdiCanvas, PaintsTheOfficeGradientAndHighlightForRealAndGivesEverythingBack) {
    Janela j;
    TMenuItem& item = j.Entrada("Abrir");
    j.Criar(TTipoMenu::tmOffice);
    j.menu->SetMenusDegrade(true);
    Bitmap b(200, 50);
    const HGDIOBJ penAntes = GetCurrentObject(b.dc(), OBJ_PEN);
    const HGDIOBJ fonteAntes = GetCurrentObject(b.dc(), OBJ_FONT);
    const long vivos = GdiObjectsLive();
    {
        TGdiCanvas canvas(b.dc(), 96);
        j.menu->DesenhaItem(item, canvas, Rect{0, 0, 200, 25}, TOwnerDrawState{});
        j.menu->DesenhaItem(item, canvas, Rect{0, 25, 200, 25}, TOwnerDrawState{true, false});
    }
    EXPECT_EQ(GdiObjectsLive(), vivos);
    EXPECT_EQ(GetCurrentObject(b.dc(), OBJ_PEN), penAntes);
    EXPECT_EQ(GetCurrentObject(b.dc(), OBJ_FONT), fonteAntes);

    // The gutter's columns darken from the second one on; the text area is the window colour.
    TMenuSistemaWin32 sis;
    const TColor fundo = j.menu->Cores().FundoIcone;
    EXPECT_EQ(Cor(b.At(0, 10)), Cor(sis.CorSistema(fundo & 0xFF)));
    for (int x = 1; x < 24; ++x) EXPECT_EQ(Cor(b.At(x, 10)), Cor(j.menu->NewColor(fundo, -5 * (x - 1)))) << x;
    EXPECT_EQ(Cor(b.At(190, 2)), Cor(sis.CorSistema(COLOR_WINDOW)));
    // The highlight covers the whole entry: outlined in dark blue, filled in light blue.
    for (POINT p : {POINT{0, 35}, POINT{100, 25}, POINT{199, 49}})
        EXPECT_EQ(Cor(b.At(p.x, p.y)), Cor(RGBColor(49, 105, 198))) << p.x << "," << p.y;
    EXPECT_EQ(Cor(b.At(10, 30)), Cor(RGBColor(198, 211, 239)));
    // Some text was written in black on each, after the gutter.
    for (int top : {0, 25}) {
        bool texto = false;
        for (int x = 32; x < 80; ++x)
            for (int y = top + 4; y < top + 22; ++y) texto |= b.At(x, y) == RGBColor(0, 0, 0);
        EXPECT_TRUE(texto) << top;
    }
}

// A 16 x 16 icon of one colour, opaque in its left half and transparent in its right half.
IconHandle IconeDeTeste(COLORREF cor) {
    BITMAPV5HEADER h{};
    h.bV5Size = sizeof h;
    h.bV5Width = 16;
    h.bV5Height = -16;
    h.bV5Planes = 1;
    h.bV5BitCount = 32;
    h.bV5Compression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    BitmapHandle color(
        CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&h), DIB_RGB_COLORS, &bits, nullptr, 0));
    ReleaseDC(nullptr, screen);
    auto* px = static_cast<DWORD*>(bits);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            px[y * 16 + x] =
                x < 8 ? (0xFF000000u | (GetRValue(cor) << 16) | (GetGValue(cor) << 8) | GetBValue(cor)) : 0;
    BitmapHandle mask(CreateBitmap(16, 16, 1, 1, nullptr));
    ICONINFO ii{TRUE, 0, 0, mask.get(), color.get()};
    return IconHandle(CreateIconIndirect(&ii));
}

TEST(TImageListWin32, DrawsPicturesGreyedWhenDisabledAndKeepsEmptyPlaces) {
    const long icones = IconsLive(), gdi = GdiObjectsLive();
    {
        TImageListWin32 lista(16);
        lista.Add(IconeDeTeste(RGB(200, 0, 0)));
        lista.Add(IconHandle());
        ASSERT_EQ(lista.Count(), 2);
        Bitmap b(40, 16);
        RECT all{0, 0, 40, 16};
        FillRect(b.dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        lista.Draw(b.dc(), 0, 0, 0, true);
        lista.Draw(b.dc(), 0, 20, 0, false);
        lista.Draw(b.dc(), 1, 0, 0, true);  // an empty place draws nothing
        lista.Draw(b.dc(), 7, 0, 0, true);  // nor does an index beyond the list
        EXPECT_EQ(Cor(b.At(3, 8)), Cor(RGBColor(200, 0, 0)));
        EXPECT_EQ(Cor(b.At(12, 8)), Cor(clWhite));
        const TColor cinza = b.At(23, 8);
        EXPECT_EQ(cinza & 0xFF, (cinza >> 8) & 0xFF) << Cor(cinza);
        EXPECT_EQ(cinza & 0xFF, (cinza >> 16) & 0xFF) << Cor(cinza);
        EXPECT_GT(cinza & 0xFF, 100) << Cor(cinza);  // light, as disabled entries are
        EXPECT_EQ(Cor(b.At(32, 8)), Cor(clWhite));
    }
    EXPECT_EQ(IconsLive(), icones);
    EXPECT_EQ(GdiObjectsLive(), gdi);
}

}  // namespace
}  // namespace nq
