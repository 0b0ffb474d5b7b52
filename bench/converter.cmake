# `bench_pelkin`: Pelkin on 100 loci x 50 generations x 200 individuals (the table of `bench`
# runs it at 10, 30 and 100 loci), with its genotype skip and without it (pelkin_character_reads,
# built beside the converter's tests), timed by wall clock against reading the same file once per
# locus with the system's read and memchr, in a reader process of its own (pelkin_floor, which
# pelkin_bench finds beside itself), linked and started as Pelkin is.
add_executable(pelkin_bench ${CMAKE_CURRENT_LIST_DIR}/pelkin_bench.cpp)
add_executable(pelkin_floor ${CMAKE_CURRENT_LIST_DIR}/pelkin_floor.cpp)
add_dependencies(pelkin_bench pelkin_floor)
if(PELKIN_STATIC_LINK AND NOT NE_SANITIZE)
    target_link_options(pelkin_floor PRIVATE -static)
endif()
add_custom_target(bench_pelkin
    COMMAND pelkin_bench $<TARGET_FILE:Pelkin> $<TARGET_FILE:pelkin_character_reads> 100
    DEPENDS pelkin_bench Pelkin pelkin_character_reads
    COMMENT "Timing Pelkin on 100 loci x 50 generations x 200 individuals"
    VERBATIM)
