# `bench_morvast`: Morvast on 10 samples x 100 loci x 100 alleles, timed by
# wall clock against a process that does nothing (morvast_floor, which morvast_bench finds
# beside itself), linked and started as Morvast is. The table of `bench` runs it at other sizes
# too.
add_executable(morvast_bench ${CMAKE_CURRENT_LIST_DIR}/morvast_bench.cpp)
add_executable(morvast_floor ${CMAKE_CURRENT_LIST_DIR}/morvast_floor.cpp)
add_dependencies(morvast_bench morvast_floor)
get_target_property(morvast_link_options Morvast LINK_OPTIONS)
if(morvast_link_options)
    target_link_options(morvast_floor PRIVATE ${morvast_link_options})
endif()
add_custom_target(bench_morvast
    COMMAND morvast_bench $<TARGET_FILE:Morvast>
    DEPENDS morvast_bench Morvast
    COMMENT "Timing Morvast on 10 samples x 100 loci x 100 alleles"
    VERBATIM)

# `bench_morvast_snp`: Morvast at the size of SNP data, 10 samples of 50 individuals at 100,000
# biallelic loci, with and without --table, and 2 samples at 1,000,000 loci, timed against
# read_floor over the frequency file and the report, with its peak memory.
add_executable(morvast_snp_bench ${CMAKE_CURRENT_LIST_DIR}/morvast_snp_bench.cpp)
add_custom_target(bench_morvast_snp
    COMMAND morvast_snp_bench $<TARGET_FILE:Morvast> $<TARGET_FILE:read_floor> 100000 10
    COMMAND morvast_snp_bench $<TARGET_FILE:Morvast> $<TARGET_FILE:read_floor> 100000 10 --table
    COMMAND morvast_snp_bench $<TARGET_FILE:Morvast> $<TARGET_FILE:read_floor> 1000000 2
    DEPENDS morvast_snp_bench Morvast read_floor
    COMMENT "Timing Morvast on SNP data sets of 100,000 and 1,000,000 loci"
    VERBATIM)

# `bench_jackknife_accuracy`: the jackknife and the log-scale limits over 10,000,000 loci against
# sums in long double, the unit test too large for every run of the tests (some seconds, 600 MB).
if(TARGET estimator_unit_tests)
    add_custom_target(bench_jackknife_accuracy
        COMMAND estimator_unit_tests --gtest_also_run_disabled_tests
                --gtest_filter=JackknifeAbovePlainSums.DISABLED_TenMillionLoci
        DEPENDS estimator_unit_tests
        COMMENT "The jackknife over 10,000,000 loci against sums in long double"
        VERBATIM)
    add_dependencies(bench bench_jackknife_accuracy)
endif()
