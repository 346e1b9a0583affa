# The fuzz targets, fuzz_<what>.cpp each: built with libFuzzer in the fuzz build (fuzz/CMakeLists.txt)
# and as corpus replays in the ordinary build (fuzz/replay.cmake).
set(RIPADES_FUZZ_TARGETS library_reader input_file_reader number_text report)
