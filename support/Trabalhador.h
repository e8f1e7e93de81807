#pragma once
// One background thread that runs jobs in the order they were given, so that slow work (a target on a
// share that does not answer, the shell's icons) never holds up the window's thread.

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>

namespace nq {

class TTrabalhador {
public:
    using Tarefa = std::function<void()>;

    // inicio and fim run on the worker's own thread, before the first job and after the last (COM is
    // joined and left there). The thread starts with the first job.
    explicit TTrabalhador(std::function<void()> inicio = {}, std::function<void()> fim = {});
    // Drops the jobs not started and waits up to `espera` for the one running. A job that takes longer
    // (a share that does not answer) is left to end by itself: the program does not wait for it.
    ~TTrabalhador();
    TTrabalhador(const TTrabalhador&) = delete;
    TTrabalhador& operator=(const TTrabalhador&) = delete;

    void Enfileirar(Tarefa tarefa);
    // Drops the jobs not started yet; the one running finishes.
    void Descartar();
    // Waits until no job is queued or running, up to a time; true when that happened (for tests and
    // measurements).
    bool AguardarOcioso(std::chrono::milliseconds limite);

    std::chrono::milliseconds espera{1000};

private:
    void Iniciar();
    struct Estado;
    std::shared_ptr<Estado> estado_;
};

}  // namespace nq
