#include "app/BuscaAlvos.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <set>

#include "support/Text.h"

namespace nq {
namespace {

using namespace std::chrono_literals;

struct Imagem : TImagem {
    explicit Imagem(std::string alvo) : alvo(std::move(alvo)) {}
    std::string alvo;
};

// The worker's side made up: targets that exist and folders by name, and one target that holds the
// worker until the test lets it go, as a share that does not answer does. The answers wait in an inbox
// that the test, as the window's thread, empties.
class Alvos {
public:
    // In lower case: file names match in any case.
    std::set<std::string> existentes{"c:\\a.exe", "c:\\b.exe", "c:\\c.exe", "d:\\dados", "\\\\lento\\x.exe"};
    std::set<std::string> pastas{"d:\\dados"};
    std::string lento = "\\\\lento\\x.exe";

    TBuscaAlvos::Buscar Buscar() {
        return [this](const TPedidoAlvo& p) {
            std::unique_lock lock(mutex_);
            pedidos_.push_back(p);
            mudou_.notify_all();
            if (p.programa == lento) mudou_.wait(lock, [&] { return solto_; });
            TAlvoBuscado r;
            r.existe = existentes.count(LowerCase(p.programa)) > 0;
            r.pasta = pastas.count(LowerCase(p.programa)) > 0;
            if (r.existe && p.precisaImagem) r.imagem = std::make_unique<Imagem>(p.programa);
            return r;
        };
    }
    TBuscaAlvos::Entregar Entregar() {
        return [this](std::unique_ptr<TAlvoBuscado> r) {
            std::lock_guard lock(mutex_);
            caixa_.push_back(std::move(r));
            mudou_.notify_all();
        };
    }
    void Soltar() {
        std::lock_guard lock(mutex_);
        solto_ = true;
        mudou_.notify_all();
    }
    // Waits until the worker has taken up a request for the target.
    bool Pedido(const std::string& programa) {
        std::unique_lock lock(mutex_);
        return mudou_.wait_for(lock, 10s, [&] {
            for (const auto& p : pedidos_)
                if (p.programa == programa) return true;
            return false;
        });
    }
    // Waits for n answers and gives them to the bar's side, as the window's thread would; returns the
    // indices they changed (-1 for a dropped answer).
    std::vector<int> Entregues(TBuscaAlvos& busca, std::size_t n) {
        std::deque<std::unique_ptr<TAlvoBuscado>> chegadas;
        {
            std::unique_lock lock(mutex_);
            if (!mudou_.wait_for(lock, 10s, [&] { return caixa_.size() >= n; })) return {};
            chegadas.swap(caixa_);
        }
        std::vector<int> mudados;
        for (auto& r : chegadas) {
            const auto i = busca.Receber(std::move(r));
            mudados.push_back(i ? static_cast<int>(*i) : -1);
        }
        return mudados;
    }
    std::vector<TPedidoAlvo> Pedidos() {
        std::lock_guard lock(mutex_);
        return pedidos_;
    }

private:
    std::mutex mutex_;
    std::condition_variable mudou_;
    std::vector<TPedidoAlvo> pedidos_;
    std::deque<std::unique_ptr<TAlvoBuscado>> caixa_;
    bool solto_ = false;
};

std::string AlvoDa(const TBuscaAlvos::TBotao& b) {
    return b.imagem ? static_cast<const Imagem*>(b.imagem)->alvo : std::string();
}

TEST(BuscaAlvos, AsksOnlyForTheButtonsThatShowAndTakesEachPictureOnce) {
    Alvos alvos;
    TBuscaAlvos busca(alvos.Buscar(), alvos.Entregar());
    busca.Reiniciar({"D:\\Dados", "C:\\a.exe", "C:\\sumiu.exe", "C:\\b.exe", "C:\\c.exe"}, 32);
    EXPECT_EQ(busca.Botao(0).estado, TBuscaAlvos::Estado::Pendente);
    busca.PedirAte(3);  // the bar's panel shows three of the five
    EXPECT_EQ(alvos.Entregues(busca, 3), (std::vector<int>{0, 1, 2}));
    ASSERT_TRUE(busca.AguardarOcioso(10s));
    EXPECT_EQ(alvos.Pedidos().size(), 3u);
    EXPECT_EQ(busca.Botao(0).estado, TBuscaAlvos::Estado::Pronto);
    EXPECT_TRUE(busca.Botao(0).pasta);
    EXPECT_EQ(AlvoDa(busca.Botao(1)), "C:\\a.exe");
    EXPECT_FALSE(busca.Botao(1).pasta);
    EXPECT_EQ(busca.Botao(2).estado, TBuscaAlvos::Estado::Ausente);
    EXPECT_EQ(busca.Botao(2).imagem, nullptr);
    EXPECT_EQ(busca.Botao(3).estado, TBuscaAlvos::Estado::Pendente);

    // Scrolled to the end, then the bar grew: the rest is asked for, and nothing twice.
    busca.Pedir(4, 5);
    EXPECT_EQ(alvos.Entregues(busca, 1), (std::vector<int>{4}));
    busca.PedirAte(10);
    EXPECT_EQ(alvos.Entregues(busca, 1), (std::vector<int>{3}));
    EXPECT_EQ(alvos.Pedidos().size(), 5u);
    EXPECT_EQ(busca.ImagensGuardadas(), 4u);

    // A rebuild checks the targets again but takes no picture it has; another size is another picture.
    busca.Reiniciar({"C:\\A.EXE", "C:\\b.exe"}, 32);
    busca.PedirAte(2);
    EXPECT_EQ(alvos.Entregues(busca, 2), (std::vector<int>{0, 1}));
    for (std::size_t i = 5; i < 7; ++i) EXPECT_FALSE(alvos.Pedidos()[i].precisaImagem);
    EXPECT_EQ(AlvoDa(busca.Botao(0)), "C:\\a.exe");
    EXPECT_EQ(busca.ImagensGuardadas(), 4u);
    busca.Reiniciar({"C:\\a.exe"}, 48);
    busca.PedirAte(1);
    EXPECT_EQ(alvos.Entregues(busca, 1), (std::vector<int>{0}));
    EXPECT_TRUE(alvos.Pedidos().back().precisaImagem);
    EXPECT_EQ(busca.ImagensGuardadas(), 5u);
}

TEST(BuscaAlvos, ARebuildDuringASlowFetchDropsTheOldResults) {
    Alvos alvos;
    TBuscaAlvos busca(alvos.Buscar(), alvos.Entregar());
    busca.Reiniciar({alvos.lento, "C:\\a.exe", "C:\\b.exe"}, 32);
    busca.PedirAte(3);
    ASSERT_TRUE(alvos.Pedido(alvos.lento));  // the worker hangs on the share

    // The catalogue changed meanwhile: other buttons in other places.
    busca.Reiniciar({"C:\\c.exe", "D:\\Dados"}, 32);
    busca.PedirAte(2);
    alvos.Soltar();
    // The slow answer comes first and is dropped; the old buttons' other targets were never asked for.
    EXPECT_EQ(alvos.Entregues(busca, 3), (std::vector<int>{-1, 0, 1}));
    ASSERT_TRUE(busca.AguardarOcioso(10s));
    std::vector<std::string> perguntados;
    for (const auto& p : alvos.Pedidos()) perguntados.push_back(p.programa);
    EXPECT_EQ(perguntados, (std::vector<std::string>{alvos.lento, "C:\\c.exe", "D:\\Dados"}));
    EXPECT_EQ(AlvoDa(busca.Botao(0)), "C:\\c.exe");
    EXPECT_TRUE(busca.Botao(1).pasta);
    EXPECT_EQ(busca.Botao(2).estado, TBuscaAlvos::Estado::Pendente);  // no such button now
}

TEST(BuscaAlvos, EndsWithoutWaitingForAFetchThatHangs) {
    static auto* alvos = new Alvos;  // outlives the test: the job left hanging still uses it
    const auto inicio = std::chrono::steady_clock::now();
    {
        TBuscaAlvos busca(alvos->Buscar(), alvos->Entregar());
        busca.Reiniciar({alvos->lento}, 32);
        busca.PedirAte(1);
        ASSERT_TRUE(alvos->Pedido(alvos->lento));
    }
    // The fetch hangs until let go below, so an end that waited for it would never come: the bound only
    // tells the two apart and is generous for a loaded machine under the sanitizers.
    EXPECT_LT(std::chrono::steady_clock::now() - inicio, 8s);
    alvos->Soltar();  // the left thread ends by itself now
}

}  // namespace
}  // namespace nq
