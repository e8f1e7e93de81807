#include "support/Trabalhador.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

namespace nq {

// Shared with the thread, so that a thread left running at the end still has what it touches.
struct TTrabalhador::Estado {
    std::mutex mutex;
    std::condition_variable mudou;
    std::deque<Tarefa> fila;
    bool ocupado = false;
    bool parar = false;
    bool iniciado = false;
    bool terminou = false;
    std::function<void()> inicio, fim;
};

TTrabalhador::TTrabalhador(std::function<void()> inicio, std::function<void()> fim)
    : estado_(std::make_shared<Estado>()) {
    estado_->inicio = std::move(inicio);
    estado_->fim = std::move(fim);
}

// The thread starts with the first job, so that a program that never gives one pays nothing.
void TTrabalhador::Iniciar() {
    estado_->iniciado = true;
    std::thread([e = estado_, inicio = std::move(estado_->inicio), fim = std::move(estado_->fim)] {
        if (inicio) inicio();
        std::unique_lock lock(e->mutex);
        for (;;) {
            e->mudou.wait(lock, [&] { return e->parar || !e->fila.empty(); });
            if (e->parar) break;
            Tarefa tarefa = std::move(e->fila.front());
            e->fila.pop_front();
            e->ocupado = true;
            lock.unlock();
            tarefa();
            tarefa = nullptr;  // what the job holds goes here, outside the lock
            lock.lock();
            e->ocupado = false;
            e->mudou.notify_all();
        }
        lock.unlock();
        if (fim) fim();
        lock.lock();
        e->terminou = true;
        e->mudou.notify_all();
    }).detach();
}

TTrabalhador::~TTrabalhador() {
    std::deque<Tarefa> descartadas;
    std::unique_lock lock(estado_->mutex);
    estado_->parar = true;
    descartadas.swap(estado_->fila);
    estado_->mudou.notify_all();
    if (estado_->iniciado) estado_->mudou.wait_for(lock, espera, [&] { return estado_->terminou; });
}

void TTrabalhador::Enfileirar(Tarefa tarefa) {
    std::lock_guard lock(estado_->mutex);
    estado_->fila.push_back(std::move(tarefa));
    if (!estado_->iniciado) Iniciar();
    estado_->mudou.notify_all();
}

void TTrabalhador::Descartar() {
    std::deque<Tarefa> descartadas;
    {
        std::lock_guard lock(estado_->mutex);
        descartadas.swap(estado_->fila);
    }
    // Released outside the lock: a job may hold things whose release takes the lock again.
}

bool TTrabalhador::AguardarOcioso(std::chrono::milliseconds limite) {
    std::unique_lock lock(estado_->mutex);
    return estado_->mudou.wait_for(lock, limite, [&] { return estado_->fila.empty() && !estado_->ocupado; });
}

}  // namespace nq
