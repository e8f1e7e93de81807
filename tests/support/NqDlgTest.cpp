// The log-on start entry's rules, the names, the busy pointer and dialog placement.

#include "support/NqDlg.h"

#include <gtest/gtest.h>

#include <map>

#include "FakePlatform.h"
#include "support/Text.h"

namespace nq {
namespace {

// One registry root: values by "key\name", keys compared as the registry does (any letter case,
// trailing backslash or not).
class FakeRegistro : public IRegistro {
public:
    std::map<std::string, std::string> valores;
    int gravacoes = 0;
    bool recusar = false;

    std::optional<std::string> LerString(const std::string& chave, const std::string& nome) override {
        auto it = valores.find(Nome(chave, nome));
        if (it == valores.end()) return std::nullopt;
        return it->second;
    }
    void GravarString(const std::string& chave, const std::string& nome, const std::string& valor) override {
        if (recusar) throw ERegistroError("acesso negado");
        ++gravacoes;
        valores[Nome(chave, nome)] = valor;
    }
    void ExcluirValor(const std::string& chave, const std::string& nome) override {
        if (recusar) throw ERegistroError("acesso negado");
        valores.erase(Nome(chave, nome));
    }
    static std::string Nome(std::string chave, const std::string& nome) {
        while (!chave.empty() && chave.back() == '\\') chave.pop_back();
        return UpperCase(chave) + "\\" + UpperCase(nome);
    }
};

const std::string kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

TEST(IniciarComWindows, RegistersTheCommandLineOnlyWhenItDiffers) {
    struct Case {
        const char* existente;  // nullptr: no entry yet
        const char* programa;
        const char* param;
        const char* gravado;
        int gravacoes;
    };
    const Case cases[] = {
        {nullptr, "C:\\Apps\\Pivel.exe", "", "C:\\Apps\\Pivel.exe", 1},
        {nullptr, "C:\\Program Files\\Pivel\\Pivel.exe", "", "\"C:\\Program Files\\Pivel\\Pivel.exe\"", 1},
        {"C:\\Apps\\Pivel.exe", "C:\\Apps\\Pivel.exe", "", "C:\\Apps\\Pivel.exe", 0},
        {"\"C:\\Meus Apps\\Pivel.exe\"", "C:\\Meus Apps\\Pivel.exe", "", "\"C:\\Meus Apps\\Pivel.exe\"", 0},
        // The comparison heeds letter case, and an older unquoted entry is put right.
        {"c:\\apps\\pivel.exe", "C:\\Apps\\Pivel.exe", "", "C:\\Apps\\Pivel.exe", 1},
        {"C:\\Meus Apps\\Pivel.exe", "C:\\Meus Apps\\Pivel.exe", "", "\"C:\\Meus Apps\\Pivel.exe\"", 1},
        {"D:\\Velho\\Pivel.exe", "C:\\Apps\\Pivel.exe", "", "C:\\Apps\\Pivel.exe", 1},
        {nullptr, "C:\\Meus Apps\\Pivel.exe", "-min", "\"C:\\Meus Apps\\Pivel.exe\" -min", 1},
    };
    for (const Case& c : cases) {
        FakeRegistro reg;
        reg.valores[FakeRegistro::Nome(kRun, "Outro")] = "C:\\outro.exe";
        if (c.existente) reg.valores[FakeRegistro::Nome(kRun, "NqPivel")] = c.existente;
        EXPECT_EQ(IniciarComWindows(reg, "NqPivel", c.programa, c.param, iwIncluir), c.gravado) << c.programa;
        EXPECT_EQ(reg.LerString(kRun, "NqPivel"), c.gravado) << c.programa;
        EXPECT_EQ(reg.gravacoes, c.gravacoes) << c.programa;
        EXPECT_EQ(reg.LerString(kRun, "Outro"), "C:\\outro.exe");
    }
}

TEST(IniciarComWindows, SecondRegistrationWritesNothing) {
    FakeRegistro reg;
    IniciarComWindows(reg, "NqPivel", "C:\\Program Files\\Pivel.exe", "", iwIncluir);
    IniciarComWindows(reg, "NqPivel", "C:\\Program Files\\Pivel.exe", "", iwIncluir);
    EXPECT_EQ(reg.gravacoes, 1);
}

TEST(IniciarComWindows, RemovesOnlyItsEntryAndAMissingOneIsNoError) {
    FakeRegistro reg;
    reg.valores[FakeRegistro::Nome(kRun, "NqPivel")] = "C:\\Apps\\Pivel.exe";
    reg.valores[FakeRegistro::Nome(kRun, "Outro")] = "C:\\outro.exe";
    EXPECT_EQ(IniciarComWindows(reg, "NqPivel", "", "", iwExcluir), "");
    EXPECT_FALSE(reg.LerString(kRun, "NqPivel"));
    EXPECT_EQ(reg.LerString(kRun, "Outro"), "C:\\outro.exe");
    EXPECT_NO_THROW(IniciarComWindows(reg, "NqPivel", "", "", iwExcluir));
    EXPECT_EQ(reg.valores.size(), 1u);
}

TEST(IniciarComWindows, ReadingChangesNothing) {
    FakeRegistro reg;
    EXPECT_EQ(IniciarComWindows(reg, "NqPivel", "C:\\Apps\\Pivel.exe", "", iwLer), "");
    reg.valores[FakeRegistro::Nome(kRun, "NqPivel")] = "D:\\Velho\\Pivel.exe";
    EXPECT_EQ(IniciarComWindows(reg, "NqPivel", "C:\\Apps\\Pivel.exe", "", iwLer), "D:\\Velho\\Pivel.exe");
    EXPECT_EQ(reg.gravacoes, 0);
}

TEST(IniciarComWindows, RegistryFailuresReachTheCaller) {
    FakeRegistro reg;
    reg.recusar = true;
    EXPECT_THROW(IniciarComWindows(reg, "NqPivel", "C:\\Apps\\Pivel.exe", "", iwIncluir), ERegistroError);
    EXPECT_THROW(IniciarComWindows(reg, "NqPivel", "", "", iwExcluir), ERegistroError);
}

TEST(NqDlgNames, ComputerUnchangedUserUpperCaseWithAccents) {
    test::FakePlatform fake;
    fake.system.computer = "Estação-01";
    fake.system.user = "joão.çé";
    EXPECT_EQ(NetName(), "Estação-01");
    EXPECT_EQ(UserName(), "JOÃO.ÇÉ");
}

std::vector<TCursor> shown;
void Record(TCursor c) {
    shown.push_back(c);
}

class BusyPointer : public ::testing::Test {
protected:
    void SetUp() override {
        shown.clear();
        previous_ = SetCursorApplier(Record);
        CursorNormal();
        shown.clear();
    }
    void TearDown() override {
        CursorNormal();
        SetCursorApplier(previous_);
    }
    TCursorApplier previous_ = nullptr;
};

TEST_F(BusyPointer, PairsAndTheirShapes) {
    CursorAmp();
    EXPECT_EQ(ScreenCursor(), TCursor::crHourGlass);
    CursorSQL();
    EXPECT_EQ(ScreenCursor(), TCursor::crSQLWait);
    CursorNormal();
    EXPECT_EQ(ScreenCursor(), TCursor::crDefault);
    EXPECT_EQ(shown, (std::vector<TCursor>{TCursor::crHourGlass, TCursor::crSQLWait, TCursor::crDefault}));
}

TEST_F(BusyPointer, GuardRestoresThePreviousPointerWhenAnExceptionPasses) {
    EXPECT_THROW(
        {
            TCursorOcupado busy;
            EXPECT_EQ(ScreenCursor(), TCursor::crHourGlass);
            {
                TCursorOcupado inner(TCursor::crSQLWait);
                throw std::runtime_error("falhou");
            }
        },
        std::runtime_error);
    EXPECT_EQ(ScreenCursor(), TCursor::crDefault);
    EXPECT_EQ(shown, (std::vector<TCursor>{TCursor::crHourGlass, TCursor::crSQLWait, TCursor::crHourGlass,
                                           TCursor::crDefault}));
}

TEST(PosicaoCentraForm, CentresOnTheClientAreaTruncatingTowardZero) {
    // Outer 808 x 631 at (100, 50), client 800 x 600: the area starts at (104, 50 + 31 - 5 = 76).
    const TGeometriaJanela principal{100, 50, 808, 631, 800, 600};
    struct Case {
        int width, height;
        TPosicao esperada;
    };
    const Case cases[] = {
        {400, 300, {304, 226}}, {800, 600, {104, 76}},
        {201, 599, {403, 76}},  // odd differences: 599 / 2 = 299, 1 / 2 = 0
        {1001, 601, {4, 76}},   // wider: -201 / 2 = -100, not -101; taller by 1: -1 / 2 = 0
        {201, 700, {403, 26}},  // taller: centred on the area, 50 above it
    };
    for (const Case& c : cases)
        EXPECT_EQ(PosicaoCentraForm(principal, c.width, c.height), c.esperada) << c.width << "x" << c.height;
}

}  // namespace
}  // namespace nq
