// Builds small Windows PE files and ELF files holding a given version
// resource, for tests and for the fuzzing corpus.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace testing
{

inline void put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v)
{
    if (out.size() < at + 2)
        out.resize(at + 2);
    out[at] = static_cast<std::uint8_t>(v & 0xFF);
    out[at + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
}

inline void put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v)
{
    put16(out, at, v & 0xFFFF);
    put16(out, at + 2, v >> 16);
}

// A PE32 file with one section ".rsrc" whose resource tree holds, under
// type `type` (16 is the version type), name 1, language 0x409, `resource`.
// An icon entry (type 3) comes first, so the lookup has to find the type.
inline std::vector<std::uint8_t> buildPe(const std::vector<std::uint8_t>& resource,
                                         std::uint32_t type = 16)
{
    constexpr std::size_t peAt = 0x40;
    constexpr std::size_t optionalAt = peAt + 4 + 20;
    constexpr std::size_t optionalSize = 224;
    constexpr std::size_t sectionAt = optionalAt + optionalSize;
    constexpr std::size_t rawAt = 0x200;
    constexpr std::uint32_t rva = 0x1000;

    std::vector<std::uint8_t> pe(rawAt, 0);
    pe[0] = 'M';
    pe[1] = 'Z';
    put32(pe, 0x3C, peAt);
    std::memcpy(pe.data() + peAt, "PE\0\0", 4);
    put16(pe, peAt + 4, 0x14C);         // machine
    put16(pe, peAt + 6, 1);             // sections
    put16(pe, peAt + 20, optionalSize); // optional header size
    put16(pe, peAt + 22, 0x0102);       // executable
    put16(pe, optionalAt, 0x10B);       // PE32
    put32(pe, optionalAt + 92, 16);     // data directories
    const std::size_t resourceDirectory = optionalAt + 96 + 2 * 8;

    // The resource section: root, name and language directories, one data entry.
    std::vector<std::uint8_t> rsrc;
    put16(rsrc, 14, 2); // root: two id entries
    put32(rsrc, 16, 3); // icons
    put32(rsrc, 20, 0x80000000u | 0x28);
    put32(rsrc, 24, type);
    put32(rsrc, 28, 0x80000000u | 0x40);
    put16(rsrc, 0x28 + 14, 0); // the icon directory is empty
    put16(rsrc, 0x40 + 14, 1); // names
    put32(rsrc, 0x40 + 16, 1);
    put32(rsrc, 0x40 + 20, 0x80000000u | 0x58);
    put16(rsrc, 0x58 + 14, 1); // languages
    put32(rsrc, 0x58 + 16, 0x409);
    put32(rsrc, 0x58 + 20, 0x70);
    put32(rsrc, 0x70, rva + 0x80); // data entry
    put32(rsrc, 0x74, static_cast<std::uint32_t>(resource.size()));
    rsrc.resize(0x80);
    rsrc.insert(rsrc.end(), resource.begin(), resource.end());
    while (rsrc.size() % 0x200 != 0)
        rsrc.push_back(0);

    put32(pe, resourceDirectory, rva);
    put32(pe, resourceDirectory + 4, static_cast<std::uint32_t>(rsrc.size()));
    std::memcpy(pe.data() + sectionAt, ".rsrc\0\0\0", 8);
    put32(pe, sectionAt + 8, static_cast<std::uint32_t>(rsrc.size()));  // virtual size
    put32(pe, sectionAt + 12, rva);                                     // virtual address
    put32(pe, sectionAt + 16, static_cast<std::uint32_t>(rsrc.size())); // raw size
    put32(pe, sectionAt + 20, rawAt);                                   // raw offset
    pe.insert(pe.end(), rsrc.begin(), rsrc.end());
    return pe;
}

inline void putN(std::vector<std::uint8_t>& out, std::size_t at, std::uint64_t v, std::size_t bytes,
                 bool bigEndian)
{
    if (out.size() < at + bytes)
        out.resize(at + bytes);
    for (std::size_t i = 0; i < bytes; ++i) {
        const std::size_t index = bigEndian ? at + bytes - 1 - i : at + i;
        out[index] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
    }
}

// An ELF file (32- or 64-bit, either byte order) whose sections are the
// null section, ".shstrtab" and `sectionName` holding `resource`.
inline std::vector<std::uint8_t> buildElf(const std::vector<std::uint8_t>& resource, bool wide,
                                          bool bigEndian, const char* sectionName = ".kvversion")
{
    const std::size_t word = wide ? 8 : 4;
    const std::size_t headerSize = wide ? 0x40 : 0x34;
    const std::size_t entrySize = wide ? 0x40 : 0x28;
    std::vector<std::uint8_t> elf(headerSize, 0);
    const std::uint8_t ident[] = {
        0x7F, 'E', 'L', 'F', std::uint8_t(wide ? 2 : 1), std::uint8_t(bigEndian ? 2 : 1), 1};
    std::memcpy(elf.data(), ident, sizeof ident);
    auto put = [&](std::size_t at, std::uint64_t v, std::size_t bytes) {
        putN(elf, at, v, bytes, bigEndian);
    };
    put(16, 2, 2); // executable
    put(20, 1, 4);

    std::vector<std::uint8_t> names{0};
    const std::size_t namesName = names.size();
    for (const char c : std::string(".shstrtab"))
        names.push_back(static_cast<std::uint8_t>(c));
    names.push_back(0);
    const std::size_t resourceName = names.size();
    for (const char* c = sectionName; *c; ++c)
        names.push_back(static_cast<std::uint8_t>(*c));
    names.push_back(0);

    const std::size_t namesAt = elf.size();
    elf.insert(elf.end(), names.begin(), names.end());
    while (elf.size() % 8 != 0)
        elf.push_back(0);
    const std::size_t resourceAt = elf.size();
    elf.insert(elf.end(), resource.begin(), resource.end());
    while (elf.size() % 8 != 0)
        elf.push_back(0);
    const std::size_t sectionsAt = elf.size();
    elf.resize(sectionsAt + 3 * entrySize, 0);

    const std::size_t offsetField = wide ? 0x18 : 0x10;
    const std::size_t sizeField = wide ? 0x20 : 0x14;
    auto section = [&](std::size_t index, std::size_t name, std::uint32_t type, std::size_t offset,
                       std::size_t size) {
        const std::size_t at = sectionsAt + index * entrySize;
        put(at, name, 4);
        put(at + 4, type, 4);
        put(at + offsetField, offset, word);
        put(at + sizeField, size, word);
    };
    section(1, namesName, 3, namesAt, names.size());          // string table
    section(2, resourceName, 1, resourceAt, resource.size()); // program data
    put(wide ? 0x28 : 0x20, sectionsAt, word);                // section headers
    put(wide ? 0x34 : 0x28, headerSize, 2);                   // header size
    put(wide ? 0x3A : 0x2E, entrySize, 2);
    put(wide ? 0x3C : 0x30, 3, 2); // sections
    put(wide ? 0x3E : 0x32, 1, 2); // names section
    return elf;
}

} // namespace testing
