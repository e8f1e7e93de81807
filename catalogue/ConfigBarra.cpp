#include "catalogue/ConfigBarra.h"

#include <algorithm>

#include "catalogue/NqIniFiles.h"
#include "support/Text.h"

namespace nq {

namespace {

constexpr const char* kSecao = "Config";

// The keys, in the order they are written.
constexpr const char* kNomeEmpresa = "NomeEmpresa";
constexpr const char* kIconeEmpresa = "IconeEmpresa";
constexpr const char* kSobreOutros = "SobreOutros";
constexpr const char* kTransparencia = "TransparênciaAtivada";
constexpr const char* kNivel = "NívelTransparência";
constexpr const char* kCor = "Color";
constexpr const char* kFonte = "FonteÍcones";
constexpr const char* kSalto = "DistânciaÍcones";
constexpr const char* kEditarTitulo = "EditarTítulo";
constexpr const char* kAutoOcultar = "AutoOcultar";
constexpr const char* kAbrirAoApontar = "AbrirAoApontar";
constexpr const char* kAlturaAuto = "IconHeightAuto";
constexpr const char* kTeclaAtalho = "TeclaAtalho";
constexpr const char* kMonitor = "Monitor";
constexpr const char* kLado = "Lado";
constexpr const char* kChaves[] = {kNomeEmpresa,    kIconeEmpresa, kSobreOutros, kTransparencia, kNivel,
                                   kCor,            kFonte,        kSalto,       kEditarTitulo,  kAutoOcultar,
                                   kAbrirAoApontar, kAlturaAuto,   kTeclaAtalho, kMonitor,       kLado};

constexpr const char* kAusente = "\x01";  // no value of the file can be this

}  // namespace

int NumeroDoMonitor(const std::string& monitor) {
    const std::string t = Trim(monitor);
    if (t.empty() || t.size() > 3 || t.find_first_not_of("0123456789") != std::string::npos) return 0;
    return std::stoi(t);
}

TLado LadoDe(const std::string& lado) { return SameText(Trim(lado), kLadoEsquerda) ? TLado::Esquerda : TLado::Direita; }

int NivelNoIntervalo(int nivel) { return std::clamp(nivel, kNivelMinimo, kNivelMaximo); }
int SaltoNoIntervalo(int salto) { return std::clamp(salto, kSaltoMinimo, kSaltoMaximo); }

void LerConfig(const TMemIniFile& ini, TConfigBarra& c) {
    const TConfigBarra d;
    c.titulo = CharLeft(ini.ReadString(kSecao, kNomeEmpresa, d.titulo), TAM_NOME_EMPRESA);
    c.icone = ini.ReadString(kSecao, kIconeEmpresa, d.icone);
    c.sobreOutros = ini.ReadBool(kSecao, kSobreOutros, d.sobreOutros);
    c.transparente = ini.ReadBool(kSecao, kTransparencia, d.transparente);
    c.nivel = NivelNoIntervalo(ini.ReadInteger(kSecao, kNivel, d.nivel));
    c.cor = ini.ReadInteger(kSecao, kCor, d.cor);
    c.fonte = d.fonte;
    ini.ReadFont(kSecao, kFonte, c.fonte);
    c.salto = SaltoNoIntervalo(ini.ReadInteger(kSecao, kSalto, d.salto));
    c.editarTitulo = ini.ReadBool(kSecao, kEditarTitulo, d.editarTitulo);
    c.autoOcultar = ini.ReadBool(kSecao, kAutoOcultar, d.autoOcultar);
    c.abrirAoApontar = ini.ReadBool(kSecao, kAbrirAoApontar, d.abrirAoApontar);
    c.alturaAutomatica = ini.ReadBool(kSecao, kAlturaAuto, d.alturaAutomatica);
    c.teclaAtalho = ini.ReadString(kSecao, kTeclaAtalho, d.teclaAtalho);
    c.monitor = ini.ReadString(kSecao, kMonitor, d.monitor);
    c.lado = ini.ReadString(kSecao, kLado, d.lado);
}

TConfigBarra LerConfig(const TMemIniFile& ini) {
    TConfigBarra c;
    LerConfig(ini, c);
    return c;
}

void GravarConfig(TMemIniFile& ini, const TConfigBarra& c) {
    ini.WriteString(kSecao, kNomeEmpresa, c.titulo);
    ini.WriteString(kSecao, kIconeEmpresa, c.icone);
    ini.WriteBool(kSecao, kSobreOutros, c.sobreOutros);
    ini.WriteBool(kSecao, kTransparencia, c.transparente);
    ini.WriteInteger(kSecao, kNivel, c.nivel);
    ini.WriteInteger(kSecao, kCor, c.cor);
    ini.WriteFont(kSecao, kFonte, c.fonte);
    ini.WriteInteger(kSecao, kSalto, c.salto);
    ini.WriteBool(kSecao, kEditarTitulo, c.editarTitulo);
    ini.WriteBool(kSecao, kAutoOcultar, c.autoOcultar);
    ini.WriteBool(kSecao, kAbrirAoApontar, c.abrirAoApontar);
    ini.WriteBool(kSecao, kAlturaAuto, c.alturaAutomatica);
    ini.WriteString(kSecao, kTeclaAtalho, c.teclaAtalho);
    ini.WriteString(kSecao, kMonitor, c.monitor);
    ini.WriteString(kSecao, kLado, c.lado);
}

void GravarNivel(TMemIniFile& ini, int nivel) {
    ini.WriteInteger(kSecao, kNivel, nivel);
}

TCopiaConfig CopiarConfig(const TMemIniFile& ini) {
    TCopiaConfig copia;
    for (const char* chave : kChaves) {
        const std::string v = ini.ReadString(kSecao, chave, kAusente);
        copia.presentes.push_back(v != kAusente);
        copia.valores.push_back(v != kAusente ? v : std::string());
    }
    return copia;
}

void RestaurarConfig(TMemIniFile& ini, const TCopiaConfig& copia, const TConfigBarra& lidos) {
    GravarConfig(ini, lidos);
    std::size_t i = 0;
    for (const char* chave : kChaves) {
        if (i < copia.valores.size() && copia.presentes[i]) ini.WriteString(kSecao, chave, copia.valores[i]);
        ++i;
    }
}

}  // namespace nq
