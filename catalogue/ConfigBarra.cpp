#include "catalogue/ConfigBarra.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <type_traits>
#include <utility>
#include <variant>

#include "catalogue/NqIniFiles.h"
#include "support/Text.h"

namespace nq {

namespace {

constexpr const char* kSecao = "Config";

// A member of the record and its default.
template <class T>
struct TCampo {
    T TConfigBarra::*membro;
    T padrao;
};

// One key of the section: its text, the member it fills with its default, and where a stored value must
// stay: a number between minimo and maximo, a text within tamanho characters (0: any length).
struct TChave {
    const char* nome;
    std::variant<TCampo<std::string>, TCampo<bool>, TCampo<int>, TCampo<TFont>> campo;
    int minimo = std::numeric_limits<int>::min();
    int maximo = std::numeric_limits<int>::max();
    std::size_t tamanho = 0;
};

TChave Texto(const char* nome, std::string TConfigBarra::*membro, std::string padrao, std::size_t tamanho = 0) {
    return {nome, TCampo<std::string>{membro, std::move(padrao)}, std::numeric_limits<int>::min(),
            std::numeric_limits<int>::max(), tamanho};
}
TChave Logico(const char* nome, bool TConfigBarra::*membro, bool padrao) {
    return {nome, TCampo<bool>{membro, padrao}};
}
TChave Numero(const char* nome, int TConfigBarra::*membro, int padrao, int minimo = std::numeric_limits<int>::min(),
              int maximo = std::numeric_limits<int>::max()) {
    return {nome, TCampo<int>{membro, padrao}, minimo, maximo};
}
TChave Fonte(const char* nome, TFont TConfigBarra::*membro, TFont padrao) {
    return {nome, TCampo<TFont>{membro, std::move(padrao)}};
}

// The keys, in the order they are written: the one place each key's text is named.
const std::vector<TChave>& Chaves() {
    static const std::vector<TChave> chaves = {
        Texto("NomeEmpresa", &TConfigBarra::titulo, kTituloPadrao, TAM_NOME_EMPRESA),
        Texto("IconeEmpresa", &TConfigBarra::icone, ""),
        Logico("SobreOutros", &TConfigBarra::sobreOutros, true),
        Logico("TransparênciaAtivada", &TConfigBarra::transparente, true),
        Numero("NívelTransparência", &TConfigBarra::nivel, 210, kNivelMinimo, kNivelMaximo),
        Numero("Color", &TConfigBarra::cor, 1714213),
        Fonte("FonteÍcones", &TConfigBarra::fonte, TFont{"Tahoma", 9, clWhite}),
        Numero("DistânciaÍcones", &TConfigBarra::salto, 38, kSaltoMinimo, kSaltoMaximo),
        Logico("EditarTítulo", &TConfigBarra::editarTitulo, true),
        Logico("AutoOcultar", &TConfigBarra::autoOcultar, false),
        Logico("AbrirAoApontar", &TConfigBarra::abrirAoApontar, false),
        Logico("IconHeightAuto", &TConfigBarra::alturaAutomatica, false),
        Texto("TeclaAtalho", &TConfigBarra::teclaAtalho, kTeclaAtalhoPadrao),
        Texto("Monitor", &TConfigBarra::monitor, kMonitorPrincipal),
        Texto("Lado", &TConfigBarra::lado, kLadoDireita),
    };
    return chaves;
}

// The row of a number's member.
const TChave& ChaveDe(int TConfigBarra::*membro) {
    for (const TChave& c : Chaves())
        if (const auto* campo = std::get_if<TCampo<int>>(&c.campo); campo && campo->membro == membro) return c;
    throw std::logic_error("ConfigBarra: a member without its key");
}

int NoIntervalo(const TChave& chave, int valor) { return std::clamp(valor, chave.minimo, chave.maximo); }

// A stored value as a reader takes it: a number in its range, a text within its length.
template <class T>
T Lido(const TChave& chave, T valor) {
    if constexpr (std::is_same_v<T, int>)
        return NoIntervalo(chave, valor);
    else if constexpr (std::is_same_v<T, std::string>)
        return chave.tamanho ? CharLeft(valor, chave.tamanho) : valor;
    else
        return valor;
}

template <class T>
T Ler(const TMemIniFile& ini, const char* nome, const T& padrao) {
    if constexpr (std::is_same_v<T, std::string>) {
        return ini.ReadString(kSecao, nome, padrao);
    } else if constexpr (std::is_same_v<T, bool>) {
        return ini.ReadBool(kSecao, nome, padrao);
    } else if constexpr (std::is_same_v<T, int>) {
        return ini.ReadInteger(kSecao, nome, padrao);
    } else {
        static_assert(std::is_same_v<T, TFont>);
        TFont fonte = padrao;
        ini.ReadFont(kSecao, nome, fonte);
        return fonte;
    }
}

template <class T>
void Gravar(TMemIniFile& ini, const char* nome, const T& valor) {
    if constexpr (std::is_same_v<T, std::string>)
        ini.WriteString(kSecao, nome, valor);
    else if constexpr (std::is_same_v<T, bool>)
        ini.WriteBool(kSecao, nome, valor);
    else if constexpr (std::is_same_v<T, int>)
        ini.WriteInteger(kSecao, nome, valor);
    else
        ini.WriteFont(kSecao, nome, valor);
}

constexpr const char* kAusente = "\x01";  // no value of the file can be this

}  // namespace

TConfigBarra::TConfigBarra() {
    for (const TChave& chave : Chaves())
        std::visit([this](const auto& campo) { this->*campo.membro = campo.padrao; }, chave.campo);
}

int NumeroDoMonitor(const std::string& monitor) {
    const std::string t = Trim(monitor);
    if (t.empty() || t.size() > 3 || t.find_first_not_of("0123456789") != std::string::npos) return 0;
    return LerInteiro(t).value_or(0);
}

TLado LadoDe(const std::string& lado) { return SameText(Trim(lado), kLadoEsquerda) ? TLado::Esquerda : TLado::Direita; }

int NivelNoIntervalo(int nivel) { return NoIntervalo(ChaveDe(&TConfigBarra::nivel), nivel); }
int SaltoNoIntervalo(int salto) { return NoIntervalo(ChaveDe(&TConfigBarra::salto), salto); }

void LerConfig(const TMemIniFile& ini, TConfigBarra& c) {
    for (const TChave& chave : Chaves())
        std::visit([&](const auto& campo) { c.*campo.membro = Lido(chave, Ler(ini, chave.nome, campo.padrao)); },
                   chave.campo);
}

TConfigBarra LerConfig(const TMemIniFile& ini) {
    TConfigBarra c;
    LerConfig(ini, c);
    return c;
}

void GravarConfig(TMemIniFile& ini, const TConfigBarra& c) {
    for (const TChave& chave : Chaves())
        std::visit([&](const auto& campo) { Gravar(ini, chave.nome, c.*campo.membro); }, chave.campo);
}

void GravarNivel(TMemIniFile& ini, int nivel) { ini.WriteInteger(kSecao, ChaveDe(&TConfigBarra::nivel).nome, nivel); }

TCopiaConfig CopiarConfig(const TMemIniFile& ini) {
    TCopiaConfig copia;
    for (const TChave& chave : Chaves()) {
        const std::string v = ini.ReadString(kSecao, chave.nome, kAusente);
        copia.presentes.push_back(v != kAusente);
        copia.valores.push_back(v != kAusente ? v : std::string());
    }
    return copia;
}

void RestaurarConfig(TMemIniFile& ini, const TCopiaConfig& copia, const TConfigBarra& lidos) {
    GravarConfig(ini, lidos);
    std::size_t i = 0;
    for (const TChave& chave : Chaves()) {
        if (i < copia.valores.size() && copia.presentes[i]) ini.WriteString(kSecao, chave.nome, copia.valores[i]);
        ++i;
    }
}

}  // namespace nq
