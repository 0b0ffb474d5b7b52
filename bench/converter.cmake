# Pelkin on 100 loci x 50 generations x 200 individuals, timed by wall clock against reading the
# same file once per locus with a plain buffered read.
add_executable(pelkin_bench ${CMAKE_CURRENT_LIST_DIR}/pelkin_bench.cpp)
add_custom_target(bench_pelkin
    COMMAND pelkin_bench $<TARGET_FILE:Pelkin> 100
    DEPENDS pelkin_bench Pelkin
    COMMENT "Timing Pelkin on 100 loci x 50 generations x 200 individuals"
    VERBATIM)
add_dependencies(bench bench_pelkin)
