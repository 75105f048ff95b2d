// Writes the seed inputs of the fuzzing corpora:
//   kv_make_fuzz_seeds tests/corpus
// Run by hand when the seeds change; the corpora are kept in the tree.
#include "resourcefiles.h"
#include "versionresource.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace
{

void write(const std::filesystem::path& folder, const std::string& name,
           const std::vector<std::uint8_t>& bytes)
{
    std::filesystem::create_directories(folder);
    std::ofstream out(folder / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<std::uint8_t> text(const std::string& s)
{
    return {s.begin(), s.end()};
}

} // namespace

int main(int argc, char* argv[])
{
    const std::filesystem::path root = argc > 1 ? argv[1] : "corpus";

    kv::VersionInfo info;
    for (int i = 0; i < 4; ++i)
        info.fileVersion[i] = info.productVersion[i] = static_cast<std::uint16_t>(i + 1);
    info.translations = {{0x0409, 0x04E4}};
    info.strings = {{{"FileVersion", "1.4.3.25"}, {"ProductName", "Kvintora kalkulátor"}}};
    const auto resource = kv::buildVersionResource(info);
    kv::VersionInfo two = info;
    two.translations.push_back({0x040E, 0x04E2});
    two.strings.push_back({{"FileVersion", "2"}});

    const auto versions = root / "versionresource";
    const auto pe = testing::buildPe(resource);
    write(versions, "pe", pe);
    write(versions, "pe-two-translations", testing::buildPe(kv::buildVersionResource(two)));
    write(versions, "pe-truncated", {pe.begin(), pe.begin() + std::ptrdiff_t(pe.size() / 2)});
    write(versions, "elf64", testing::buildElf(resource, true, false));
    write(versions, "elf32-big-endian", testing::buildElf(resource, false, true));
    write(versions, "resource", resource);
    // A resource tree whose name directory points back at the root.
    std::vector<std::uint8_t> loop = pe;
    testing::put32(loop, 0x200 + 0x40 + 20, 0x80000000u);
    write(versions, "pe-directory-loop", loop);

    const auto entry = root / "entryrules";
    write(entry, "comma-number", text(std::string(1, '\x00') + "12,5"));
    write(entry, "point-minus", text(std::string(1, '\x01') + "-5000.25"));
    write(entry, "separators-and-enter",
          text(std::string(1, '\x02') + "1\xFF\xFF"
                                        "2\r\n\b\b"));
    write(entry, "letters",
          text(std::string(1, '\x10') + "ab 1-2,3.4\x7F"
                                        "7"));

    const auto numbers = root / "numberformat";
    auto number = [&](const std::string& name, long double x, std::uint8_t choice,
                      std::uint8_t decimals) {
        std::vector<std::uint8_t> bytes(sizeof x + 2, 0);
        std::memcpy(bytes.data(), &x, sizeof x);
        bytes[sizeof x] = choice;
        bytes[sizeof x + 1] = decimals;
        write(numbers, name, bytes);
    };
    number("tie", 12.375L, 0, 2);
    number("negative", -0.0005L, 1, 3);
    number("large", 8e9L, 2, 0);
    number("tiny", 1e-320L, 3, 15);
    number("third", 1.0L / 3.0L, 4, 5);

    const auto calc = root / "calcengine";
    write(calc, "sum-and-ok", {0, 14, 1, 2, 15, 3, 19, 0xFF});
    write(calc, "divide-by-zero", {1, 14, 5, 12, 0, 19, 0xFF, 21});
    write(calc, "memory", {2, 5, 7, 23, 22, 24, 0xFE, 24, 25});
    return 0;
}
