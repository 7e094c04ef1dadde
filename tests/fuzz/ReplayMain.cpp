#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// Runs a fuzz target without libFuzzer, so that the normal build replays the
// committed seed inputs and the saved crashes as ordinary tests.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

void Say(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stderr);
}

// A stream opened from the path itself: on Windows a path is wide text,
// which std::fopen cannot take.
bool ReadFile(const fs::path& path, std::vector<std::uint8_t>& bytes)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

}  // namespace

// Every file named on the command line, and every file of a directory named
// there, once each in name order. Names starting with "." are skipped. A
// path that does not exist fails the replay: a corpus that went missing
// must not pass as one without inputs.
int main(int argc, char** argv)
{
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const fs::path path(argv[i]);
        std::error_code error;
        if (fs::is_directory(path, error)) {
            for (const fs::directory_entry& entry : fs::directory_iterator(path)) {
                if (entry.is_regular_file() && !entry.path().filename().string().starts_with("."))
                    inputs.push_back(entry.path());
            }
        } else if (fs::is_regular_file(path, error)) {
            inputs.push_back(path);
        } else {
            Say("no such file or directory: " + path.string() + "\n");
            return 2;
        }
    }
    std::sort(inputs.begin(), inputs.end());

    std::vector<std::uint8_t> bytes;
    for (const fs::path& input : inputs) {
        if (!ReadFile(input, bytes)) {
            Say("cannot read " + input.string() + "\n");
            return 2;
        }
        Say("replaying " + input.string() + "\n");
        const std::uint8_t none = 0;
        LLVMFuzzerTestOneInput(bytes.empty() ? &none : bytes.data(), bytes.size());
    }
    char count[24];
    const auto end = std::to_chars(count, count + sizeof count, inputs.size()).ptr;
    Say(std::string(count, end) + " inputs replayed\n");
    return 0;
}
