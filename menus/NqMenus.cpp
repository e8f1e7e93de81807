#include "menus/NqMenus.h"

#include "menus/NqMenusEstilos.h"

#include <algorithm>

#include "catalogue/NqIniFiles.h"
#include "support/Errors.h"
#include "support/NqFun.h"
#include "support/Text.h"

namespace nq {

// --- Creation and properties ----------------------------------------------------------------------------

TNqMenu::TNqMenu(TMenuOwner* owner, IMenuSistema& sistema)
    : sistema_(sistema),
      estilo_(&EstiloMenu(TTipoMenu::tmPadrao)),
      FForm(owner),
      self_(std::make_shared<TNqMenu*>(this)) {
    FFont = sistema_.FonteMenu(96).font;
    bDesign = sistema_.EmDesign();
    DefineCores();
    Ativar(FAtivo);
    FWin7 = sistema_.VersaoPrincipal() > 5;
    JoinOwner(owner);
}

TNqMenu::~TNqMenu() {
    SetAtivo(false);
    if (FMenuConfigura) FMenuConfigura->RemoveFreeNotification(*this);
    self_.reset();
    LeaveOwner();
}

void TNqMenu::SetAtivo(bool value) {
    FAtivo = value;
    Ativar(value);
}

void TNqMenu::SetFont(const TFont& value) {
    FFont = value;
    Atualizar();
}

void TNqMenu::SetTamIcone(int value) {
    if (std::find(std::begin(aTamIcone), std::end(aTamIcone), value) == std::end(aTamIcone))
        throw EComponentError(Name + ": Tamanho dos ícones inválido: " + std::to_string(value));
    FTamIcone = value;
    Atualizar();
}

void TNqMenu::SetTipoMenu(TTipoMenu value) {
    FTipoMenu = value;
    estilo_ = &EstiloMenu(value);
    if (value == TTipoMenu::tmMarvo) {
        FTamIcone = 24;
        FMenusDegrade = false;
        FUsarFonteWin = true;
        FSemIcones = true;
    }
    Atualizar();
}

void TNqMenu::SetSessaoIni(std::string_view value) {
    if (Empty(value)) throw EComponentError(Name + ": Nome de sessão inválido!");
    FSessaoIni = std::string(value);
}

void TNqMenu::SetUsarFonteWin(bool value) {
    FUsarFonteWin = value;
    Atualizar();
}

void TNqMenu::SetMenuConfigura(TMenuItem* value) {
    if (value == FMenuConfigura) return;
    if (FMenuConfigura) FMenuConfigura->RemoveFreeNotification(*this);
    FMenuConfigura = value;
    if (!value) return;
    if (bDesign) {
        value->Caption = "&Configurar menus";
        value->ShortCut = TextToShortCut("Shift+Ctrl+F9");
    }
    std::weak_ptr<TNqMenu*> self = self_;
    value->OnClick = [self](TMenuItem& item) {
        if (auto p = self.lock()) (*p)->MenuConfigClick(item);
    };
    value->FreeNotification(*this);
}

// --- Hooking -------------------------------------------------------------------------------------------

void TNqMenu::Ligar(TMenuItem& item, bool ligado) {
    if (!ligado) {
        item.OnMeasureItem = nullptr;
        item.OnDrawItem = nullptr;
        item.OnPodeEscolher = nullptr;
        return;
    }
    std::weak_ptr<TNqMenu*> self = self_;
    item.OnMeasureItem = [self](const TMenuItem& i, ICanvas& c, int& w, int& h) {
        if (auto p = self.lock()) (*p)->MedeItem(i, c, w, h);
    };
    item.OnDrawItem = [self](const TMenuItem& i, ICanvas& c, const Rect& r, TOwnerDrawState s) {
        if (auto p = self.lock()) (*p)->DesenhaItem(i, c, r, s);
    };
    item.OnPodeEscolher = [self](const TMenuItem& i) {
        auto p = self.lock();
        return !p || (*p)->PodeEscolher(i);
    };
}

void TNqMenu::Ativar(bool Ligado) {
    if (!FForm) return;
    for (TComponent* c : FForm->Components()) {
        if (auto* menu = dynamic_cast<TMenu*>(c)) {
            menu->OwnerDraw = Ligado;
        } else if (auto* item = dynamic_cast<TMenuItem*>(c)) {
            if (!Trim(item->Caption).empty()) Ligar(*item, Ligado);
        }
    }
    if (Ligado) FForm->DrawMenuBar();
}

void TNqMenu::AtivarIndiv(TMenuItem& Item, bool Ligado) {
    if (TMenu* menu = Item.FirstLevelMenu()) menu->OwnerDraw = Ligado;
    Ligar(Item, Ligado);
}

void TNqMenu::Atualizar() {
    DefineCores();
    Ativar(!FAtivo);
    Ativar(FAtivo);
}

void TNqMenu::Notification(TComponent& AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    // An item made with the window as its owner joins before its caption is set: it stays unhooked here,
    // and run-time items are hooked one by one (AtivarIndiv).
    if (Operation == TOperation::opInsert && dynamic_cast<TMenuItem*>(&AComponent)) {
        Ativar(true);
        Atualizar();
    }
    if (Operation == TOperation::opRemove && &AComponent == FMenuConfigura) FMenuConfigura = nullptr;
}

// --- Measuring and painting: the styles (NqMenusEstilos.cpp) ----------------------------------------------

void TNqMenu::MedeItem(const TMenuItem& Sender, ICanvas& ACanvas, int& Width, int& Height) const {
    TPinturaMenu(*this, ACanvas, Sender).Medir(Width, Height);
}

void TNqMenu::DesenhaItem(const TMenuItem& Sender, ICanvas& ACanvas, const Rect& ARect,
                          TOwnerDrawState State) const {
    TPinturaMenu(*this, ACanvas, Sender).Desenhar(ARect, State);
}

bool TNqMenu::PodeEscolher(const TMenuItem& Item) const {
    return !(estilo_->RecusaTitulos() && EhTitulo(Item));
}

// --- Settings --------------------------------------------------------------------------------------------

void TNqMenu::MenuConfigClick(TMenuItem&) {
    MenuConfig();
}

void TNqMenu::MenuConfig() {
    if (!DialogoConfig) return;
    if (const std::optional<TMenusEscolha> escolha = DialogoConfig(*this)) AplicarEscolha(*escolha);
}

void TNqMenu::AplicarEscolha(const TMenusEscolha& e) {
    SetTipoMenu(static_cast<TTipoMenu>(std::clamp(e.estilo, 0, static_cast<int>(TTipoMenu::tmMarvo))));
    SetMenusDegrade(e.degrade);
    SetTamIcone(aTamIcone[std::clamp(e.tamanho, 0, static_cast<int>(std::size(aTamIcone)) - 1)]);
    if (!e.fonteNome.empty()) FFont.name = e.fonteNome;
    FFont.size = e.fonteTamanho;
    SetUsarFonteWin(e.fonteWin);
    SetSemIcones(e.semIcones);
    Atualizar();
    ConfigSave();
}

namespace {

// The keys of the renderer's section of the settings file, in the order they are written.
constexpr const char* kChaveAtivo = "Ativo";
constexpr const char* kChaveDegrade = "FaixaDegradê";
constexpr const char* kChaveTamIcone = "TamanhoÍcone";
constexpr const char* kChaveTipoMenu = "TipoMenu";
constexpr const char* kChaveFonteWindows = "UsarFonteWindows";
constexpr const char* kChaveSemIcones = "SemÍcones";
constexpr const char* kChaveFonte = "Fonte";

}  // namespace

void TNqMenu::ConfigSave() {
    if (bDesign) return;
    IniciaIni(TFormatoINI::fiDefault);
    TMemIniFile& ini = *NqIni;
    ini.EraseSection(FSessaoIni);
    ini.WriteBool(FSessaoIni, kChaveAtivo, FAtivo);
    ini.WriteBool(FSessaoIni, kChaveDegrade, FMenusDegrade);
    ini.WriteInteger(FSessaoIni, kChaveTamIcone, FTamIcone);
    ini.WriteInteger(FSessaoIni, kChaveTipoMenu, static_cast<int>(FTipoMenu));
    ini.WriteBool(FSessaoIni, kChaveFonteWindows, FUsarFonteWin);
    ini.WriteBool(FSessaoIni, kChaveSemIcones, FSemIcones);
    ini.WriteFont(FSessaoIni, kChaveFonte, FFont);
}

void TNqMenu::ConfigLoad() {
    IniciaIni(TFormatoINI::fiDefault);
    const TMemIniFile& ini = *NqIni;
    // The style first: tmMarvo sets four values that the keys after it may then change.
    const int tipo = ini.ReadInteger(FSessaoIni, kChaveTipoMenu, static_cast<int>(FTipoMenu));
    if (tipo >= 0 && tipo <= static_cast<int>(TTipoMenu::tmMarvo)) SetTipoMenu(static_cast<TTipoMenu>(tipo));
    SetMenusDegrade(ini.ReadBool(FSessaoIni, kChaveDegrade, FMenusDegrade));
    const int tam = ini.ReadInteger(FSessaoIni, kChaveTamIcone, FTamIcone);
    if (std::find(std::begin(aTamIcone), std::end(aTamIcone), tam) != std::end(aTamIcone)) SetTamIcone(tam);
    SetUsarFonteWin(ini.ReadBool(FSessaoIni, kChaveFonteWindows, FUsarFonteWin));
    SetSemIcones(ini.ReadBool(FSessaoIni, kChaveSemIcones, FSemIcones));
    TFont fonte = FFont;
    ini.ReadFont(FSessaoIni, kChaveFonte, fonte);
    if (Trim(fonte.name).empty()) fonte.name = FFont.name;
    fonte.size = std::clamp(fonte.size, kTamanhoFonteMin, kTamanhoFonteMax);
    SetFont(fonte);
    SetAtivo(ini.ReadBool(FSessaoIni, kChaveAtivo, FAtivo));
}

}  // namespace nq
