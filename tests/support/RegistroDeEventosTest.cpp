// The diagnostic log: its lines, its two bounded files, and a queue that never makes a caller wait.

#include "support/RegistroDeEventos.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace nq {
namespace {

using std::chrono::milliseconds;
using std::chrono::system_clock;

// The two files in memory. Acrescentar may be held back, as a disk that does not answer would.
class DestinoEmMemoria final : public IDestinoEventos {
public:
    struct Arquivos {
        std::string novo, anterior;
        int giros = 0;
        std::mutex m;
        std::condition_variable cv;
        bool preso = false;
        bool dentro = false;  // the writer came to Acrescentar
    };
    explicit DestinoEmMemoria(std::shared_ptr<Arquivos> a) : a_(std::move(a)) {}
    std::uint64_t Tamanho() override { return a_->novo.size(); }
    bool Acrescentar(std::string_view bytes) override {
        std::unique_lock<std::mutex> lock(a_->m);
        a_->dentro = true;
        a_->cv.notify_all();
        a_->cv.wait(lock, [&] { return !a_->preso; });
        a_->novo += bytes;
        return true;
    }
    void Girar() override {
        a_->anterior = std::exchange(a_->novo, {});
        ++a_->giros;
    }

private:
    std::shared_ptr<Arquivos> a_;
};

std::vector<std::string> Linhas(const std::string& arquivo) {
    std::vector<std::string> out;
    std::size_t at = arquivo.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    for (std::size_t fim; (fim = arquivo.find("\r\n", at)) != std::string::npos; at = fim + 2)
        out.push_back(arquivo.substr(at, fim - at));
    EXPECT_EQ(at, arquivo.size()) << "the file ends with a whole line";
    return out;
}

TEST(RegistroDeEventos, ALineIsDatedInUtcLevelledAndOneLineWhateverItsText) {
    const struct {
        long long ms;
        TNivelEvento nivel;
        const char* texto;
        const char* linha;
    } casos[] = {
        {0, TNivelEvento::Info, "Pivel iniciado", "1970-01-01 00:00:00.000 UTC  INFO   Pivel iniciado\r\n"},
        {1796982067250LL, TNivelEvento::Erro, "Não foi possível gravar o arquivo C:\\Pivel\\PivelConfig.ini",
         "2026-12-11 09:41:07.250 UTC  ERRO   Não foi possível gravar o arquivo C:\\Pivel\\PivelConfig.ini\r\n"},
        {1709251199999LL, TNivelEvento::Aviso, "duas\r\nlinhas\n\ne\rmais",
         "2024-02-29 23:59:59.999 UTC  AVISO  duas | linhas | e | mais\r\n"},
        {-1, TNivelEvento::Info, "", "1969-12-31 23:59:59.999 UTC  INFO   \r\n"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(LinhaDeEvento(system_clock::time_point(milliseconds(c.ms)), c.nivel, c.texto), c.linha);
}

// 100,000 events from four threads: each file stays within its limit, begins with the byte-order mark and
// holds whole lines; the newest events are all there, each thread's in its order.
TEST(RegistroDeEventos, AHundredThousandEventsKeepBothFilesWithinTheirSizeAndTheNewestEvents) {
    auto arquivos = std::make_shared<DestinoEmMemoria::Arquivos>();
    {
        TRegistroDeEventos registro(std::make_unique<DestinoEmMemoria>(arquivos));
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t)
            threads.emplace_back([&registro, t] {
                for (int i = 0; i < 25000; ++i) {
                    registro.Escrever(TNivelEvento::Info, "thread " + std::to_string(t) + " evento " +
                                                                 std::to_string(i) + " C:\\Pasta\\Programa.exe");
                    // Now and then a pause, so that the queue never fills and every event is kept.
                    if (i % 1000 == 999) {
                        ASSERT_TRUE(registro.Aguardar(std::chrono::seconds(30)));
                    }
                }
            });
        for (std::thread& th : threads) th.join();
        ASSERT_TRUE(registro.Aguardar(std::chrono::seconds(30)));
    }
    EXPECT_LE(arquivos->novo.size(), TRegistroDeEventos::kLimite);
    EXPECT_LE(arquivos->anterior.size(), TRegistroDeEventos::kLimite);
    EXPECT_GT(arquivos->anterior.size(), TRegistroDeEventos::kLimite / 2) << "the older file was full when it was turned";
    EXPECT_GT(arquivos->giros, 3);
    for (const std::string* f : {&arquivos->anterior, &arquivos->novo}) EXPECT_EQ(f->rfind("\xEF\xBB\xBF", 0), 0u);

    std::vector<std::string> linhas = Linhas(arquivos->anterior);
    const std::vector<std::string> novas = Linhas(arquivos->novo);
    linhas.insert(linhas.end(), novas.begin(), novas.end());
    int ultimo[4] = {-1, -1, -1, -1};
    for (const std::string& l : linhas) {
        const std::size_t at = l.find("thread ");
        ASSERT_NE(at, std::string::npos) << l;
        const int t = l[at + 7] - '0';
        const int i = std::stoi(l.substr(l.find("evento ") + 7));
        if (ultimo[t] >= 0) {
            EXPECT_EQ(i, ultimo[t] + 1) << "no event lost or reordered in what is kept";
        }
        ultimo[t] = i;
    }
    for (int t = 0; t < 4; ++t) EXPECT_EQ(ultimo[t], 24999);
}

// A disk that does not answer: callers never wait, the queue stops growing at its bound, and what found
// it full is counted in a line once the disk answers again.
TEST(RegistroDeEventos, ADiskThatDoesNotAnswerNeitherHoldsTheCallersNorGrowsTheQueue) {
    auto arquivos = std::make_shared<DestinoEmMemoria::Arquivos>();
    arquivos->preso = true;
    {
        TRegistroDeEventos registro(std::make_unique<DestinoEmMemoria>(arquivos));
        registro.Escrever(TNivelEvento::Info, "primeira");  // taken by the writer, which then blocks
        {
            std::unique_lock<std::mutex> lock(arquivos->m);
            ASSERT_TRUE(arquivos->cv.wait_for(lock, std::chrono::seconds(30), [&] { return arquivos->dentro; }));
        }
        EXPECT_FALSE(registro.Aguardar(milliseconds(50)));
        const auto antes = std::chrono::steady_clock::now();
        for (std::size_t i = 0; i < TRegistroDeEventos::kFilaMaxima + 500; ++i) registro.Escrever(TNivelEvento::Aviso, "x");
        // Far more than queueing a line costs; a caller that waited for the disk would never get here.
        EXPECT_LT(std::chrono::steady_clock::now() - antes, std::chrono::seconds(20));
        {
            std::lock_guard<std::mutex> lock(arquivos->m);
            arquivos->preso = false;
        }
        arquivos->cv.notify_all();
        ASSERT_TRUE(registro.Aguardar(std::chrono::seconds(30)));
        registro.Escrever(TNivelEvento::Info, "depois");
        ASSERT_TRUE(registro.Aguardar(std::chrono::seconds(30)));
    }
    const std::vector<std::string> linhas = Linhas(arquivos->novo);
    ASSERT_FALSE(linhas.empty());
    EXPECT_NE(linhas.front().find("primeira"), std::string::npos);
    EXPECT_NE(linhas.back().find("depois"), std::string::npos);
    int perdidas = 0, guardadas = 0;
    for (const std::string& l : linhas) {
        if (l.find("linhas do registro se perderam") != std::string::npos) perdidas = std::stoi(l.substr(l.find("AVISO") + 7));
        if (l.size() > 2 && l.substr(l.size() - 3) == "  x") ++guardadas;
    }
    EXPECT_EQ(guardadas + perdidas, static_cast<int>(TRegistroDeEventos::kFilaMaxima + 500));
    EXPECT_EQ(perdidas, 500);
}

TEST(RegistroDeEventos, TheProcessLogTakesLinesOnlyWhileOneIsInstalled) {
    auto arquivos = std::make_shared<DestinoEmMemoria::Arquivos>();
    RegistrarEvento(TNivelEvento::Erro, "antes");
    InstalarRegistroDeEventos(std::make_unique<TRegistroDeEventos>(std::make_unique<DestinoEmMemoria>(arquivos)));
    RegistrarEvento(TNivelEvento::Erro, "durante");
    EXPECT_TRUE(AguardarRegistroDeEventos(std::chrono::seconds(30)));
    InstalarRegistroDeEventos(nullptr);
    RegistrarEvento(TNivelEvento::Erro, "depois");
    const std::vector<std::string> linhas = Linhas(arquivos->novo);
    ASSERT_EQ(linhas.size(), 1u);
    EXPECT_NE(linhas[0].find("ERRO   durante"), std::string::npos) << linhas[0];
}

}  // namespace
}  // namespace nq
