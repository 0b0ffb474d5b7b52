# Morvast on the largest data set it accepts, timed by wall clock (`bench_morvast`; the table of
# `bench` runs it too).
add_executable(morvast_bench ${CMAKE_CURRENT_LIST_DIR}/morvast_bench.cpp)
add_custom_target(bench_morvast
    COMMAND morvast_bench $<TARGET_FILE:Morvast>
    DEPENDS morvast_bench Morvast
    COMMENT "Timing Morvast on 10 samples x 100 loci x 100 alleles"
    VERBATIM)
