// libFuzzer programs of size-sensitive targets start with their larger maximum input
// (ORVANTE_FUZZ_MAX_LEN) unless the command line gives one.
#include <cstring>
#include <vector>

#define ORVANTE_TEXT_OF(x) #x
#define ORVANTE_TEXT(x) ORVANTE_TEXT_OF(x)

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static std::vector<char*> args;
    static char maxLen[] = "-max_len=" ORVANTE_TEXT(ORVANTE_FUZZ_MAX_LEN);
    args.assign(*argv, *argv + *argc);
    for (char* arg : args)
        if (std::strncmp(arg, "-max_len=", 9) == 0)
            return 0;
    args.insert(args.begin() + 1, maxLen);
    args.push_back(nullptr);
    *argc += 1;
    *argv = args.data();
    return 0;
}
