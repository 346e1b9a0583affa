# The window's random walks, built in the ordinary build on the window sessions' runner (included by
# tests/ui/CMakeLists.txt): ctest runs the fixed seeds; the same program replays, shrinks and soaks
# (scripts/soak.sh).
set(RIPADES_WINDOW_WALKS_DIR ${CMAKE_SOURCE_DIR}/fuzz/window_walks)

# The invariants of the window; the session runner checks them too (the `invariants` gesture).
add_library(ripades_window_invariants STATIC ${RIPADES_WINDOW_WALKS_DIR}/window_invariants.cpp)
target_include_directories(ripades_window_invariants PUBLIC ${CMAKE_SOURCE_DIR}/fuzz)
target_link_libraries(ripades_window_invariants PUBLIC ripades_ui)

add_executable(window_walks ${RIPADES_WINDOW_WALKS_DIR}/window_walks.cpp)
target_link_libraries(window_walks PRIVATE ripades_session_runner)
gtest_discover_tests(window_walks DISCOVERY_MODE PRE_TEST PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen
                     TIMEOUT 600)
