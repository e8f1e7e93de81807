#include "support/RegistroDeEventos.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

namespace nq {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";  // so that every editor reads the accents

const char* NomeDoNivel(TNivelEvento nivel) {
    switch (nivel) {
        case TNivelEvento::Erro: return "ERRO ";
        case TNivelEvento::Aviso: return "AVISO";
        case TNivelEvento::Info: break;
    }
    return "INFO ";
}

void DoisDigitos(std::string& out, long long v, int digitos = 2) {
    std::string s = std::to_string(v);
    if (static_cast<int>(s.size()) < digitos) out.append(static_cast<std::size_t>(digitos) - s.size(), '0');
    out += s;
}

}  // namespace

std::string LinhaDeEvento(std::chrono::system_clock::time_point quando, TNivelEvento nivel,
                            std::string_view texto) {
    using namespace std::chrono;
    const long long ms = duration_cast<milliseconds>(quando.time_since_epoch()).count();
    long long dias = ms >= 0 ? ms / 86400000 : (ms - 86399999) / 86400000;
    const long long doDia = ms - dias * 86400000;
    // The civil date of a day count since 1970-01-01 (Howard Hinnant's algorithm).
    dias += 719468;
    const long long era = (dias >= 0 ? dias : dias - 146096) / 146097;
    const long long doe = dias - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long dia = doy - (153 * mp + 2) / 5 + 1;
    const long long mes = mp < 10 ? mp + 3 : mp - 9;
    const long long ano = yoe + era * 400 + (mes <= 2 ? 1 : 0);

    std::string out;
    out.reserve(texto.size() + 40);
    DoisDigitos(out, ano, 4);
    out += '-';
    DoisDigitos(out, mes);
    out += '-';
    DoisDigitos(out, dia);
    out += ' ';
    DoisDigitos(out, doDia / 3600000);
    out += ':';
    DoisDigitos(out, doDia / 60000 % 60);
    out += ':';
    DoisDigitos(out, doDia / 1000 % 60);
    out += '.';
    DoisDigitos(out, doDia % 1000, 3);
    out += " UTC  ";
    out += NomeDoNivel(nivel);
    out += "  ";
    // One event, one line: a text of several lines is folded.
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const char c = texto[i];
        if (c == '\r' || c == '\n') {
            while (i + 1 < texto.size() && (texto[i + 1] == '\r' || texto[i + 1] == '\n')) ++i;
            out += " | ";
        } else {
            out += c;
        }
    }
    out += "\r\n";
    return out;
}

struct TRegistroDeEventos::Estado {
    std::unique_ptr<IDestinoEventos> destino;
    std::uint64_t limite = kLimite;
    std::mutex m;
    std::condition_variable temTrabalho, escrito;
    std::deque<std::string> fila;
    std::size_t perdidas = 0;  // lines that found the queue full
    unsigned long long pedidas = 0, feitas = 0;
    bool parar = false;

    // Appends one batch, starting a new file first when the batch would take the newer one past the
    // limit. A line longer than a whole file is cut to fit.
    void Gravar(std::string& lote) {
        if (lote.size() + kBom.size() > limite) lote.resize(static_cast<std::size_t>(limite - kBom.size()));
        std::uint64_t tamanho = destino->Tamanho();
        if (tamanho > 0 && tamanho + lote.size() > limite) {
            destino->Girar();
            tamanho = destino->Tamanho();
        }
        if (tamanho == 0) lote.insert(0, kBom);
        destino->Acrescentar(lote);
    }

    void Trabalhar() {
        std::unique_lock<std::mutex> lock(m);
        for (;;) {
            temTrabalho.wait(lock, [&] { return parar || !fila.empty(); });
            if (fila.empty()) return;  // stopping, and all is written
            std::deque<std::string> linhas;
            linhas.swap(fila);
            const std::size_t semLugar = std::exchange(perdidas, 0);
            const unsigned long long ate = pedidas;
            lock.unlock();
            if (semLugar)
                linhas.push_back(LinhaDeEvento(std::chrono::system_clock::now(), TNivelEvento::Aviso,
                                                 std::to_string(semLugar) +
                                                     " linhas do registro se perderam (fila cheia)"));
            // Lines go in batches that fit the room left in a file, so that a batch never straddles the
            // turn from the newer file to the older.
            std::string lote;
            for (std::string& l : linhas) {
                if (!lote.empty() && lote.size() + l.size() + kBom.size() > limite / 4) {
                    Gravar(lote);
                    lote.clear();
                }
                lote += l;
            }
            if (!lote.empty()) Gravar(lote);
            lock.lock();
            feitas = ate;
            escrito.notify_all();
        }
    }
};

TRegistroDeEventos::TRegistroDeEventos(std::unique_ptr<IDestinoEventos> destino, std::uint64_t limite)
    : estado_(std::make_shared<Estado>()) {
    estado_->destino = std::move(destino);
    estado_->limite = std::max<std::uint64_t>(limite, 256);
    std::thread([estado = estado_] { estado->Trabalhar(); }).detach();
}

TRegistroDeEventos::~TRegistroDeEventos() {
    Aguardar(std::chrono::seconds(1));
    std::lock_guard<std::mutex> lock(estado_->m);
    estado_->parar = true;
    estado_->temTrabalho.notify_all();
    // The thread holds the state: it ends by itself once the queue is written.
}

void TRegistroDeEventos::Escrever(TNivelEvento nivel, std::string_view texto) {
    std::string linha = LinhaDeEvento(std::chrono::system_clock::now(), nivel, texto);
    std::lock_guard<std::mutex> lock(estado_->m);
    if (estado_->fila.size() >= kFilaMaxima) {
        ++estado_->perdidas;
        return;
    }
    estado_->fila.push_back(std::move(linha));
    ++estado_->pedidas;
    estado_->temTrabalho.notify_one();
}

bool TRegistroDeEventos::Aguardar(std::chrono::milliseconds limite) {
    std::unique_lock<std::mutex> lock(estado_->m);
    const unsigned long long ate = estado_->pedidas;
    return estado_->escrito.wait_for(lock, limite, [&] { return estado_->feitas >= ate; });
}

namespace {

// Never destroyed: a process that ends at once (ExitProcess) has its other threads gone, one of them
// perhaps holding a lock, and a destructor run then could wait on it for ever. The normal end removes the
// log itself (InstalarRegistroDeEventos(nullptr)) while its thread still runs.
std::mutex& MutexGlobal() {
    static std::mutex* m = new std::mutex;
    return *m;
}

std::shared_ptr<TRegistroDeEventos>& RegistroGlobal() {
    static auto* r = new std::shared_ptr<TRegistroDeEventos>;
    return *r;
}

std::shared_ptr<TRegistroDeEventos> Atual() {
    std::lock_guard<std::mutex> lock(MutexGlobal());
    return RegistroGlobal();
}

}  // namespace

void InstalarRegistroDeEventos(std::unique_ptr<TRegistroDeEventos> registro) {
    std::shared_ptr<TRegistroDeEventos> antes;
    {
        std::lock_guard<std::mutex> lock(MutexGlobal());
        antes = std::exchange(RegistroGlobal(), std::shared_ptr<TRegistroDeEventos>(std::move(registro)));
    }
    // Released outside the lock: its end writes what it holds.
}

void RegistrarEvento(TNivelEvento nivel, std::string_view texto) {
    if (const std::shared_ptr<TRegistroDeEventos> r = Atual()) r->Escrever(nivel, texto);
}

bool AguardarRegistroDeEventos(std::chrono::milliseconds limite) {
    const std::shared_ptr<TRegistroDeEventos> r = Atual();
    return !r || r->Aguardar(limite);
}

}  // namespace nq
