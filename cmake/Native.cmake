# Native Linux tree: the portable core, its unit tests and the benchmarks.
if(NOT PIVEL_FUZZ)
    find_package(GTest REQUIRED)
endif()

if(PIVEL_SANITIZE)
    set(PIVEL_SAN_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_compile_options(pivel_core PUBLIC ${PIVEL_SAN_FLAGS})
    target_link_options(pivel_core PUBLIC ${PIVEL_SAN_FLAGS})
endif()

# The fuzz tree (clang, -DPIVEL_FUZZ=ON) builds only the fuzz targets.
if(NOT PIVEL_FUZZ)
    add_executable(pivel_tests ${PIVEL_NATIVE_TESTS})
    target_include_directories(pivel_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_link_libraries(pivel_tests PRIVATE pivel_core GTest::gtest GTest::gtest_main GTest::gmock)
    target_compile_definitions(pivel_tests PRIVATE PIVEL_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
    add_test(NAME native COMMAND pivel_tests --gtest_output=xml:${CMAKE_BINARY_DIR}/native-tests.xml)
    # The folders depend one way, and the portable core never sees the Windows headers.
    add_test(NAME folder-direction COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/check-folders.sh ${CMAKE_SOURCE_DIR})
endif()

if(PIVEL_BENCHMARKS AND NOT PIVEL_FUZZ)
    find_package(benchmark REQUIRED)
    file(GLOB PIVEL_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
    add_executable(pivel_bench ${PIVEL_BENCH_SOURCES})
    target_link_libraries(pivel_bench PRIVATE pivel_core benchmark::benchmark)
    include(cmake/BenchExtras.cmake OPTIONAL)
endif()

if(PIVEL_FUZZ)
    # Every fuzz/*Fuzz.cpp is one libFuzzer target. The core is instrumented for coverage and checked by
    # the sanitizers too, so that a fault inside it is found, not only one in the target's own code.
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "PIVEL_FUZZ needs clang: configure with CC=clang CXX=clang++")
    endif()
    set(PIVEL_FUZZ_SAN -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_compile_options(pivel_core PUBLIC -fsanitize=fuzzer-no-link ${PIVEL_FUZZ_SAN})
    target_link_options(pivel_core PUBLIC ${PIVEL_FUZZ_SAN})
    file(GLOB PIVEL_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*Fuzz.cpp)
    foreach(src IN LISTS PIVEL_FUZZ_SOURCES)
        get_filename_component(name ${src} NAME_WE)
        add_executable(${name} ${src})
        target_link_libraries(${name} PRIVATE pivel_core)
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    endforeach()
endif()
