# The table of speed figures for the README: Pelkin on files of 10, 30 and 100 loci and of
# 100,000 and 1,000,000 SNPs, against the floor of reading the same file once, with its peak
# memory, and Morvast on its largest data set.
if(TARGET pelkin_bench AND TARGET read_floor AND TARGET morvast_bench
   AND TARGET Pelkin AND TARGET Morvast)
    add_custom_target(bench_table
        COMMAND ${CMAKE_COMMAND}
                -DPELKIN_BENCH=$<TARGET_FILE:pelkin_bench> -DPELKIN=$<TARGET_FILE:Pelkin>
                -DREAD_FLOOR=$<TARGET_FILE:read_floor>
                -DMORVAST_BENCH=$<TARGET_FILE:morvast_bench> -DMORVAST=$<TARGET_FILE:Morvast>
                -P ${CMAKE_CURRENT_LIST_DIR}/table_speed.cmake
        DEPENDS pelkin_bench read_floor morvast_bench Pelkin Morvast
        COMMENT "Speed table: Pelkin at 10, 30, 100, 100,000 and 1,000,000 loci, Morvast"
        VERBATIM)
    add_dependencies(bench bench_table)
endif()
