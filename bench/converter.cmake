# `bench_pelkin`: Pelkin on a GenePop file of 100,000 biallelic loci, 10 samples of 50
# individuals, 2% of genotypes missing (about 250 MB, generated in a scratch folder at run time),
# and on one of 1,000,000 loci in 2 samples of 10, timed as a whole process against read_floor
# (one read of the same file, every byte touched), with Pelkin's peak memory against its bound.
add_executable(pelkin_bench ${CMAKE_CURRENT_LIST_DIR}/pelkin_bench.cpp)
add_custom_target(bench_pelkin
    COMMAND pelkin_bench $<TARGET_FILE:Pelkin> $<TARGET_FILE:read_floor> 100000 10 50 2 2
    COMMAND pelkin_bench $<TARGET_FILE:Pelkin> $<TARGET_FILE:read_floor> 1000000 2 10 2 2
    DEPENDS pelkin_bench Pelkin read_floor
    COMMENT "Timing Pelkin on 100,000 and 1,000,000 biallelic loci"
    VERBATIM)
