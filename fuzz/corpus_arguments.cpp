// Lets a fuzz target run from its committed corpus when it is started with libFuzzer options only.
#include <filesystem>
#include <string>
#include <vector>

// RIPADES_FUZZ_CORPUS (the committed seeds, only read) and RIPADES_FUZZ_SCRATCH (a folder of the build
// that receives the inputs the run finds) are set per target by the build.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  for (int i = 1; i < *argc; ++i)
    if ((*argv)[i][0] != '-') return 0;  // a corpus folder or an input to replay was given
  static std::string scratch = RIPADES_FUZZ_SCRATCH;
  static std::string corpus = RIPADES_FUZZ_CORPUS;
  static std::vector<char*> arguments;
  std::error_code error;
  std::filesystem::create_directories(scratch, error);
  // libFuzzer writes new inputs into the first folder, so the committed seeds stay as they are.
  arguments.assign(*argv, *argv + *argc);
  arguments.push_back(scratch.data());
  arguments.push_back(corpus.data());
  arguments.push_back(nullptr);
  *argc = static_cast<int>(arguments.size()) - 1;
  *argv = arguments.data();
  return 0;
}
