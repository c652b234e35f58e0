// Replay driver for fuzz targets built without libFuzzer: feeds every file of the given
// folders or files, then a fixed number of deterministic mutations of each (bit flips,
// truncations, byte runs), so that the test run exercises the parser beyond the corpus.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

using Input = std::vector<std::uint8_t>;

void feed(const Input& input)
{
    LLVMFuzzerTestOneInput(input.data(), input.size());
}

Input readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Input(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void mutateAndFeed(const Input& seed, std::mt19937& rng, int rounds)
{
    for (int i = 0; i < rounds; ++i) {
        Input m = seed;
        switch (rng() % 4) {
        case 0:
            if (!m.empty())
                m[rng() % m.size()] ^= static_cast<std::uint8_t>(1u << (rng() % 8));
            break;
        case 1:
            m.resize(m.empty() ? 0 : rng() % m.size());
            break;
        case 2:
            m.insert(m.begin() + (m.empty() ? 0 : rng() % m.size()), rng() % 300,
                     static_cast<std::uint8_t>(rng()));
            break;
        default:
            if (!m.empty())
                m[rng() % m.size()] = static_cast<std::uint8_t>(rng());
            break;
        }
        feed(m);
    }
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<Input> seeds{Input{}};
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path arg(argv[i]);
        std::error_code ec;
        if (std::filesystem::is_directory(arg, ec)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(arg))
                if (entry.is_regular_file())
                    seeds.push_back(readFile(entry.path()));
        } else if (std::filesystem::is_regular_file(arg, ec)) {
            seeds.push_back(readFile(arg));
        }
    }
    std::mt19937 rng(20261210);
    for (const auto& seed : seeds) {
        feed(seed);
        mutateAndFeed(seed, rng, 500);
    }
    std::printf("replayed %zu seed(s) with 500 mutations each\n", seeds.size());
    return 0;
}
