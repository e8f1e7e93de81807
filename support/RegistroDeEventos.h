#pragma once
// The diagnostic log: the errors and the events that explain them (failed saves and why, damaged or
// unreadable settings files, failed launches, monitors that came or went, failures that reached a window)
// as dated lines a user can send. It lives in two files of a bounded size, the older replaced when the
// newer is full, and a thread of its own writes them: whoever logs only queues a line, so the bar never
// waits on a disk. Lines carry paths and titles, never other text the user typed.

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace nq {

enum class TNivelEvento { Info, Aviso, Erro };

// Where the lines go: the user's files (support/RegistroDeEventosWin32.h), or memory in tests.
class IDestinoEventos {
public:
    virtual ~IDestinoEventos() = default;
    // The size in bytes of the newer file; 0 when there is none.
    virtual std::uint64_t Tamanho() = 0;
    // Appends to the newer file, creating it when missing; false when it cannot.
    virtual bool Acrescentar(std::string_view bytes) = 0;
    // The newer file becomes the older one, replacing it; the next bytes begin a new file.
    virtual void Girar() = 0;
};

class TRegistroDeEventos {
public:
    static constexpr std::uint64_t kLimite = 1024 * 1024;  // each of the two files
    static constexpr std::size_t kFilaMaxima = 10000;      // lines waiting; beyond, they are counted, not kept

    explicit TRegistroDeEventos(std::unique_ptr<IDestinoEventos> destino, std::uint64_t limite = kLimite);
    // Writes what is queued, waiting a second at most: a disk that does not answer does not hold the end.
    ~TRegistroDeEventos();
    TRegistroDeEventos(const TRegistroDeEventos&) = delete;
    TRegistroDeEventos& operator=(const TRegistroDeEventos&) = delete;

    // From any thread.
    void Escrever(TNivelEvento nivel, std::string_view texto);
    // Waits until every line queued so far is written, up to a time; true when it was (tests, the end).
    bool Aguardar(std::chrono::milliseconds limite);

private:
    struct Estado;
    std::shared_ptr<Estado> estado_;
};

// One line: "2026-12-11 09:41:07.250 UTC  ERRO   text\r\n", each run of line breaks folded into " | ".
std::string LinhaDeEvento(std::chrono::system_clock::time_point quando, TNivelEvento nivel,
                            std::string_view texto);

// The process's log, installed at start; until then, and after its removal (nullptr), lines go nowhere.
void InstalarRegistroDeEventos(std::unique_ptr<TRegistroDeEventos> registro);
void RegistrarEvento(TNivelEvento nivel, std::string_view texto);
// Waits for the process's log to write what it holds (the about box's link, tests).
bool AguardarRegistroDeEventos(std::chrono::milliseconds limite);

}  // namespace nq
