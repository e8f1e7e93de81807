#include "app/MenuAtalho.h"

#include "app/BarLayout.h"
#include "catalogue/ClientDataset.h"
#include "support/NqFun.h"

namespace nq {

bool EhPrograma(std::string_view alvo, bool pasta) {
    if (pasta || IsURL(alvo)) return false;
    std::string_view nome = alvo;
    while (!nome.empty() && (nome.back() == '"' || nome.back() == ' ')) nome.remove_suffix(1);
    const std::string ext = ExtensaoArquivo(nome);
    for (const char* e : {".exe", ".com", ".bat", ".cmd", ".msi", ".msc"})
        if (ext == e) return true;
    return false;
}

std::string CaminhoParaCopiar(std::string_view programa, std::string_view parametros) {
    std::string texto(programa);
    if (parametros.empty()) return texto;
    if (texto.find(' ') != std::string::npos && texto.front() != '"') texto = '"' + texto + '"';
    return texto + " " + std::string(parametros);
}

std::string ParametrosDoLocal(std::string_view caminho) {
    // "C:\Docs\" names the folder "Docs"; a drive's root keeps its backslash.
    while (caminho.size() > 3 && (caminho.back() == '\\' || caminho.back() == '/')) caminho.remove_suffix(1);
    return "/select,\"" + std::string(caminho) + "\"";
}

std::string PerguntaExcluir(std::string_view titulo) { return "Excluir o atalho \"" + std::string(titulo) + "\"?"; }

std::string AvisoNaoEncontrado(std::string_view caminho) {
    return "O arquivo " + std::string(caminho) + " não foi encontrado.";
}

bool IrParaAtalho(TClientDataset& cds, std::uint64_t registro) {
    if (!cds.Active() || registro == 0) return false;
    if (cds.Filtered()) cds.SetFiltered(false);
    return cds.GotoBookmark(registro);
}

bool AlternarMenuDoAtalho(TClientDataset& cds, std::uint64_t registro) {
    if (!IrParaAtalho(cds, registro)) return false;
    cds.Edit();
    TField& menu = cds.FieldByName("OpcaoMenu");
    menu.SetAsBoolean(!menu.AsBoolean());
    cds.Post();
    return true;
}

bool ExcluirAtalho(TClientDataset& cds, std::uint64_t registro) {
    if (!IrParaAtalho(cds, registro)) return false;
    cds.Delete();
    return true;
}

}  // namespace nq
