#include "support/NqConst.h"

#include <gtest/gtest.h>

#include "FakePlatform.h"

namespace nq {
namespace {

TEST(NqConst, StartupWithoutParameters) {
    test::FakePlatform fake;
    IniciarAplicacao("c:\\program files\\nq pivel\\Pivel.exe", {});
    EXPECT_EQ(DirAplic, "C:\\Program Files\\Nq Pivel\\");
    EXPECT_EQ(NqParams, "");
    EXPECT_FALSE(inProgrammingMode);
    EXPECT_EQ(FMsgFonteFixa, "Courier New");
    EXPECT_EQ(FormatSettings.DecimalSeparator, ',');
    EXPECT_EQ(FormatSettings.ShortDateFormat, "dd/mm/yyyy");
    EXPECT_EQ(TooltipTiming.InitialPauseMs, 100);
    EXPECT_EQ(TooltipTiming.HidePauseMs, 40000);
    EXPECT_EQ(NqTelaConsulta, TTelaConsulta::ccTelaCentralizada4);
}

TEST(NqConst, ProgrammingModeFromTheJoinedParameters) {
    struct Case {
        std::vector<std::string> args;
        const char* params;
        bool programming;
    };
    const Case cases[] = {
        {{"/P"}, "/p", true},
        {{"-p"}, "-p", true},
        {{"PROGRAMACAO"}, "programacao", true},
        {{"x", "C:/pasta/y"}, "x c:/pasta/y", true},  // any parameter that merely contains "/p"
        {{"/x", "Ação"}, "/x ação", false},
        {{"  "}, "", false},
    };
    for (const Case& c : cases) {
        test::FakePlatform fake;
        IniciarAplicacao("C:\\Pivel.exe", c.args);
        EXPECT_EQ(NqParams, c.params);
        EXPECT_EQ(inProgrammingMode, c.programming) << c.params;
        EXPECT_EQ(Parametros(), c.params);
    }
}

TEST(NqConst, FixedPitchFontAndThemes) {
    test::FakePlatform fake;
    fake.system.fonts = {"Tahoma", "consolas"};
    IniciarAplicacao("C:\\Pivel.exe", {});
    EXPECT_EQ(FMsgFonteFixa, "Consolas");
    // Without visual styles the grid keeps its first look and the switched-off colour is the button face.
    EXPECT_EQ(clCorDesligado, clBtnFace);
    VisualWin10();
    EXPECT_TRUE(gridLines);
    EXPECT_EQ(gridAltura, 8);
    EXPECT_EQ(gridCorDestaque, 0x00FEECDD);
    EXPECT_EQ(gridHighlight, clHighlight);

    fake.system.themes = true;
    IniciarAplicacao("C:\\Pivel.exe", {});
    EXPECT_EQ(clCorDesligado, 0x00E8E8E8);
    VisualWin10();
    EXPECT_FALSE(gridLines);
    EXPECT_EQ(gridAltura, 10);
    EXPECT_EQ(gridCorDestaque, 0x00F7E6DF);
    EXPECT_EQ(gridHighlight, 0x00EDBEA5);
    EXPECT_EQ(gridHighlightText, clWindowText);
    EXPECT_EQ(gridCorFixed, 0x00FFFFFF);
    EXPECT_EQ(gridFont.name, "Tahoma");
    EXPECT_EQ(gridFont.size, 8);
}

TEST(NqConst, OldErrorLogsAreDeleted) {
    test::FakePlatform fake;
    fake.files.Add("C:\\App\\PivelErrosBD_2015_01.log");
    fake.files.Add("C:\\App\\PivelErrosBD_2016.log");
    fake.files.Add("C:\\App\\pivelerrosbd2015.LOG");
    fake.files.Add("C:\\App\\OutroErrosBD_2015.log");
    fake.files.Add("C:\\App\\PivelErrosBD2015.log.bak");
    fake.files.AddFolder("C:\\App\\PivelErrosBD_2015_dir.log");
    fake.files.Add("C:\\App\\sub\\PivelErrosBD_2015.log");
    IniciarAplicacao("C:\\App\\Pivel.exe", {});
    EXPECT_EQ(fake.files.deleted,
              (std::vector<std::string>{"C:\\App\\PivelErrosBD_2015_01.log", "C:\\App\\pivelerrosbd2015.LOG"}));
    EXPECT_TRUE(fake.files.Has("C:\\App\\PivelErrosBD_2016.log"));
    EXPECT_TRUE(fake.files.Has("C:\\App\\sub\\PivelErrosBD_2015.log"));

    // A file that cannot be deleted does not stop the start.
    test::FakePlatform stubborn;
    stubborn.files.Add("C:\\App\\PivelErrosBD_2015.log");
    stubborn.files.refuseDeletes = true;
    IniciarAplicacao("C:\\App\\Pivel.exe", {"/p"});
    EXPECT_TRUE(inProgrammingMode);
}

}  // namespace
}  // namespace nq
