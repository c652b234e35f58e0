// Replay driver for fuzz targets built without libFuzzer: feeds every file of the given
// folders or files, then deterministic mutations of each (bit flips, truncations, byte runs),
// so that the test run exercises the parser beyond the corpus. The mutations share one
// budget, so that a corpus grown by fuzzing keeps the test's time in bounds.
// "--max-len N" (for targets whose faults show with size) adds mutations that grow a seed
// up to N bytes by repeating a part of it.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// Mutations of all seeds together, and the fewest any seed gets.
constexpr std::size_t kMutationBudget = 4000;
constexpr std::size_t kFewestRounds = 20;

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

// The seed with one of its slices repeated where it stands until the input holds up to maxLen bytes.
Input grown(const Input& seed, std::mt19937& rng, std::size_t maxLen)
{
    if (seed.empty() || maxLen <= seed.size())
        return seed;
    const std::size_t begin = rng() % seed.size();
    const std::size_t end = begin + 1 + rng() % (seed.size() - begin);
    const std::size_t target = seed.size() + rng() % (maxLen - seed.size() + 1);
    Input m(seed.begin(), seed.begin() + static_cast<std::ptrdiff_t>(end));
    while (m.size() + (end - begin) <= target)
        m.insert(m.end(), seed.begin() + static_cast<std::ptrdiff_t>(begin), seed.begin() + static_cast<std::ptrdiff_t>(end));
    m.insert(m.end(), seed.begin() + static_cast<std::ptrdiff_t>(end), seed.end());
    return m;
}

void mutateAndFeed(const Input& seed, std::mt19937& rng, std::size_t rounds, std::size_t maxLen)
{
    for (std::size_t i = 0; i < rounds; ++i) {
        // One round in 25 grows the seed, when the target asks for large inputs.
        if (maxLen > 0 && i % 25 == 0) {
            feed(grown(seed, rng, maxLen));
            continue;
        }
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
    std::size_t maxLen = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--max-len" && i + 1 < argc) {
            maxLen = std::strtoull(argv[++i], nullptr, 10);
            continue;
        }
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
    const std::size_t rounds = std::max(kFewestRounds, kMutationBudget / seeds.size());
    for (const auto& seed : seeds) {
        feed(seed);
        mutateAndFeed(seed, rng, rounds, maxLen);
    }
    std::printf("replayed %zu seed(s) with %zu mutations each\n", seeds.size(), rounds);
    return 0;
}
