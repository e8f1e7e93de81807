# Windows tree (mingw-w64): Pivel.exe, linked statically, and the test programs run under Wine.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
enable_language(RC)

# Reproducible: the same commit gives the same bytes wherever and whenever it is built; no build time in
# the executables' headers, and no build folder in the text of what ships (PIVEL_REPRODUZIVEL, given to the
# program's targets below; the tests keep whole paths in __FILE__, which they use to find their data).
add_link_options(-Wl,--no-insert-timestamp)
set(PIVEL_REPRODUZIVEL
    "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}/=;-ffile-prefix-map=${CMAKE_BINARY_DIR}/=>")
target_compile_options(pivel_core PRIVATE ${PIVEL_REPRODUZIVEL})

# The version resource's numbers from project(VERSION), the one place the version is kept: one header
# per version built (the upgrade test's older build carries a lower one, PIVEL_VERSAO_ANTERIOR).
function(pivel_cabecalho_versao versao pasta)
    string(REPLACE "." ";" partes ${versao})
    list(GET partes 0 PIVEL_VERSAO_MAJOR)
    list(GET partes 1 PIVEL_VERSAO_MINOR)
    list(GET partes 2 PIVEL_VERSAO_PATCH)
    set(PIVEL_VERSAO ${versao})
    configure_file(${CMAKE_SOURCE_DIR}/res/PivelVersao.h.in ${pasta}/PivelVersao.h @ONLY)
endfunction()
if(PROJECT_VERSION_PATCH GREATER 0)
    math(EXPR anterior "${PROJECT_VERSION_PATCH} - 1")
    set(PIVEL_VERSAO_ANTERIOR ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${anterior})
elseif(PROJECT_VERSION_MINOR GREATER 0)
    math(EXPR anterior "${PROJECT_VERSION_MINOR} - 1")
    set(PIVEL_VERSAO_ANTERIOR ${PROJECT_VERSION_MAJOR}.${anterior}.99)
else()
    math(EXPR anterior "${PROJECT_VERSION_MAJOR} - 1")
    set(PIVEL_VERSAO_ANTERIOR ${anterior}.99.99)
endif()
pivel_cabecalho_versao(${PROJECT_VERSION} ${CMAKE_BINARY_DIR}/versao)
pivel_cabecalho_versao(${PIVEL_VERSAO_ANTERIOR} ${CMAKE_BINARY_DIR}/versao-anterior)

set(PIVEL_WIN32_DEFS UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00 WINVER=0x0A00)
if(MINGW)
    set(PIVEL_STATIC_LINK -static -static-libgcc -static-libstdc++)
endif()

# libpng, cross-built from Debian's source package by scripts/libpng.sh, and zlib from
# libz-mingw-w64-dev: both linked statically.
set(PIVEL_LIBPNG_PREFIX ${CMAKE_SOURCE_DIR}/build/third_party/libpng-mingw CACHE PATH "libpng built for Windows")
if(NOT EXISTS ${PIVEL_LIBPNG_PREFIX}/lib/libpng16.a)
    message(FATAL_ERROR "libpng for Windows is missing: run scripts/libpng.sh")
endif()
add_library(pivel_png STATIC IMPORTED)
set_target_properties(pivel_png PROPERTIES IMPORTED_LOCATION ${PIVEL_LIBPNG_PREFIX}/lib/libpng16.a
                      INTERFACE_INCLUDE_DIRECTORIES ${PIVEL_LIBPNG_PREFIX}/include)
find_library(PIVEL_ZLIB_STATIC NAMES libz.a REQUIRED)

add_library(pivel_win32 STATIC ${PIVEL_WIN32_SOURCES})
target_compile_options(pivel_win32 PRIVATE ${PIVEL_REPRODUZIVEL})
target_compile_definitions(pivel_win32 PUBLIC ${PIVEL_WIN32_DEFS})
target_include_directories(pivel_win32 PUBLIC ${CMAKE_SOURCE_DIR}/res ${CMAKE_BINARY_DIR}/versao)
pivel_avisos(pivel_win32)
target_link_libraries(pivel_win32 PUBLIC pivel_core pivel_png ${PIVEL_ZLIB_STATIC} comctl32 uxtheme shell32 shlwapi ole32 uuid version
                      gdi32 user32 advapi32 msimg32 gdiplus winspool comdlg32 oleacc oleaut32 shcore)

add_executable(Pivel WIN32 app/WinMain.cpp res/Pivel.rc)
target_link_libraries(Pivel PRIVATE pivel_win32)
target_compile_options(Pivel PRIVATE ${PIVEL_REPRODUZIVEL})
target_include_directories(Pivel PRIVATE ${CMAKE_SOURCE_DIR}/res)
pivel_avisos(Pivel)
if(MINGW)
    target_link_options(Pivel PRIVATE -municode ${PIVEL_STATIC_LINK})
endif()

# The same program with a lower version, for the upgrade test: only its resource differs.
add_executable(Pivel_anterior WIN32 EXCLUDE_FROM_ALL app/WinMain.cpp res/Pivel.rc)
target_include_directories(Pivel_anterior BEFORE PRIVATE ${CMAKE_BINARY_DIR}/versao-anterior)
target_link_libraries(Pivel_anterior PRIVATE pivel_win32)
target_compile_options(Pivel_anterior PRIVATE ${PIVEL_REPRODUZIVEL})
pivel_avisos(Pivel_anterior)
set_target_properties(Pivel_anterior PROPERTIES OUTPUT_NAME Pivel RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin/anterior)
if(MINGW)
    target_link_options(Pivel_anterior PRIVATE -municode ${PIVEL_STATIC_LINK})
endif()

# The installer (NSIS, scripts/installer.sh): Pivel-VERSION-instalador.exe beside the program, and the
# older build's in bin/anterior.
find_program(PIVEL_MAKENSIS makensis REQUIRED)
function(pivel_instalador alvo versao programa pasta)
    set(saida ${pasta}/Pivel-${versao}-instalador.exe)
    add_custom_command(OUTPUT ${saida}
        COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/installer.sh ${versao} $<TARGET_FILE:${programa}> ${saida}
        DEPENDS ${programa} ${CMAKE_SOURCE_DIR}/scripts/installer.sh ${CMAKE_SOURCE_DIR}/installer/Pivel.nsi
                ${CMAKE_SOURCE_DIR}/installer/LEIAME.txt ${CMAKE_SOURCE_DIR}/installer/TodosOsUsuarios.txt
                ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_SOURCE_DIR}/res/Pivel.ico
        VERBATIM)
    add_custom_target(${alvo} ${ARGN} DEPENDS ${saida})
endfunction()
pivel_instalador(instalador ${PROJECT_VERSION} Pivel ${CMAKE_BINARY_DIR}/bin ALL)
pivel_instalador(instalador_anterior ${PIVEL_VERSAO_ANTERIOR} Pivel_anterior ${CMAKE_BINARY_DIR}/bin/anterior)

# GoogleTest for Windows, built from Debian's googletest sources.
set(PIVEL_GTEST_SRC /usr/src/googletest CACHE PATH "GoogleTest sources")
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(${PIVEL_GTEST_SRC} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

# The tests carry the program's resources and manifest: the windows they open need its pictures and
# Common Controls 6, as in Pivel.exe.
add_executable(pivel_wine_tests ${PIVEL_WINE_TESTS} res/Pivel.rc)
target_include_directories(pivel_wine_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(pivel_wine_tests PRIVATE pivel_win32 gtest gtest_main gmock)
pivel_avisos(pivel_wine_tests)
if(MINGW)
    target_link_options(pivel_wine_tests PRIVATE ${PIVEL_STATIC_LINK})
endif()
add_dependencies(pivel_wine_tests Pivel)

# Small programs whose version resources the tests read.
foreach(ver 1.2.0.0 1.2.3.0 1.2.0.4 1.2.3.4 none)
    string(REPLACE "." "_" tag ${ver})
    set(prog verprog_${tag})
    if(ver STREQUAL "none")
        add_executable(${prog} tests/fixtures/verprog.c)
    else()
        string(REPLACE "." "," commas ${ver})
        add_executable(${prog} tests/fixtures/verprog.c tests/fixtures/verprog.rc)
        target_compile_definitions(${prog} PRIVATE PIVEL_FIXTURE_VERSION=${commas})
    endif()
    if(MINGW)
        target_link_options(${prog} PRIVATE -static)
    endif()
    pivel_avisos(${prog})
    add_dependencies(pivel_wine_tests ${prog})
endforeach()

# A program that records how it was started, for the launch tests.
add_executable(recorder WIN32 tests/fixtures/recorder.c)
pivel_avisos(recorder)
if(MINGW)
    target_link_options(recorder PRIVATE -static)
endif()
add_dependencies(pivel_wine_tests recorder)

# The start-up benchmark's programs (scripts/bench-startup.sh): the floor that every tray launcher pays,
# and the clock that times a start to the first visible window.
add_executable(floor WIN32 tests/fixtures/floor.c)
target_link_libraries(floor PRIVATE comctl32 ole32 shell32)
add_executable(startclock tests/fixtures/startclock.c)
target_link_libraries(startclock PRIVATE psapi)
pivel_avisos(floor startclock)
if(MINGW)
    target_link_options(floor PRIVATE -municode -static)
    target_link_options(startclock PRIVATE -municode -static)
endif()
add_dependencies(pivel_wine_tests floor startclock)

# The installer's tests: the installers of this build and of the older one, run in a fresh Wine prefix
# (scripts/installer-tests.sh).
add_executable(pivel_installer_tests ${PIVEL_INSTALLER_TESTS})
target_include_directories(pivel_installer_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_compile_definitions(pivel_installer_tests PRIVATE PIVEL_VERSAO_ANTERIOR="${PIVEL_VERSAO_ANTERIOR}")
target_link_libraries(pivel_installer_tests PRIVATE pivel_win32 gtest gtest_main)
pivel_avisos(pivel_installer_tests)
if(MINGW)
    target_link_options(pivel_installer_tests PRIVATE ${PIVEL_STATIC_LINK})
endif()
add_dependencies(pivel_installer_tests instalador instalador_anterior)

add_test(NAME wine-installer
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/installer-tests.sh ${CMAKE_BINARY_DIR}/bin/pivel_installer_tests.exe
                 --gtest_output=xml:Z:${CMAKE_BINARY_DIR}/wine-installer-tests.xml)

add_test(NAME wine
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-tests.sh ${CMAKE_BINARY_DIR}/bin/pivel_wine_tests.exe
                 --gtest_output=xml:Z:${CMAKE_BINARY_DIR}/wine-tests.xml)

add_test(NAME pivel-imports-only-system-dlls
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-imports.sh ${CMAKE_BINARY_DIR}/bin/Pivel.exe)
