# Each fuzz target built without libFuzzer, with a main that replays its committed corpus through the
# target's checks; ctest runs every replay in the ordinary build.
set(RIPADES_FUZZ_DIR ${CMAKE_SOURCE_DIR}/fuzz)
add_library(ripades_fuzz_replay_support STATIC ${RIPADES_FUZZ_DIR}/fuzz_support.cpp
  ${RIPADES_FUZZ_DIR}/state_invariants.cpp)
target_include_directories(ripades_fuzz_replay_support PUBLIC ${RIPADES_FUZZ_DIR})
target_compile_definitions(ripades_fuzz_replay_support PRIVATE RIPADES_LIBRARY_PATH="${CMAKE_SOURCE_DIR}/data/fly.dll")
target_link_libraries(ripades_fuzz_replay_support PUBLIC ripades_core)

include(${RIPADES_FUZZ_DIR}/targets.cmake)
foreach(what ${RIPADES_FUZZ_TARGETS})
  set(target replay_fuzz_${what})
  add_executable(${target} ${RIPADES_FUZZ_DIR}/fuzz_${what}.cpp ${RIPADES_FUZZ_DIR}/replay_main.cpp)
  target_link_libraries(${target} PRIVATE ripades_fuzz_replay_support)
  add_test(NAME FuzzCorpusReplay_${what} COMMAND ${target} ${RIPADES_FUZZ_DIR}/corpus/fuzz_${what})
endforeach()
