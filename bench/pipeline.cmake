# The table of speed figures for the README: Pelkin on files of 10, 30 and 100 loci and of
# 100,000 and 1,000,000 SNPs, against the floor of reading the same file once, with its peak
# memory, and Morvast on data sets of 10 samples and at the size of SNP data.
if(TARGET pelkin_bench AND TARGET morvast_bench AND TARGET morvast_snp_bench AND TARGET read_floor
   AND TARGET Pelkin AND TARGET Morvast)
    add_custom_target(bench_table
        COMMAND ${CMAKE_COMMAND}
                -DPELKIN_BENCH=$<TARGET_FILE:pelkin_bench> -DPELKIN=$<TARGET_FILE:Pelkin>
                -DMORVAST_BENCH=$<TARGET_FILE:morvast_bench> -DMORVAST=$<TARGET_FILE:Morvast>
                -DMORVAST_SNP_BENCH=$<TARGET_FILE:morvast_snp_bench>
                -DREAD_FLOOR=$<TARGET_FILE:read_floor>
                -P ${CMAKE_CURRENT_LIST_DIR}/table_speed.cmake
        DEPENDS pelkin_bench morvast_bench morvast_snp_bench read_floor Pelkin Morvast
        COMMENT "Speed table: Pelkin at 10 to 1,000,000 loci, Morvast at 25 to 100,000 loci"
        VERBATIM)
    add_dependencies(bench bench_table)
endif()
