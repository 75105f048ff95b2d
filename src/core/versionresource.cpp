#include "versionresource.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace kv
{
namespace
{

// --- Little helpers -------------------------------------------------------

std::uint16_t le16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

// Reads little- or big-endian integers of a file at checked offsets.
class Reader
{
public:
    Reader(const ByteSource& source, bool bigEndian = false)
        : source_(source), bigEndian_(bigEndian)
    {
    }

    std::optional<std::uint64_t> uint(std::uint64_t offset, std::size_t bytes) const
    {
        std::uint8_t buffer[8];
        if (bytes > sizeof buffer || !source_.read(offset, bytes, buffer))
            return std::nullopt;
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < bytes; ++i) {
            const std::size_t index = bigEndian_ ? i : bytes - 1 - i;
            value = (value << 8) | buffer[index];
        }
        return value;
    }

    std::optional<std::vector<std::uint8_t>> bytes(std::uint64_t offset, std::uint64_t count) const
    {
        if (count > MaxResourceSize || offset > source_.size() || count > source_.size() - offset)
            return std::nullopt;
        std::vector<std::uint8_t> out(static_cast<std::size_t>(count));
        if (!source_.read(offset, out.size(), out.data()))
            return std::nullopt;
        return out;
    }

    const ByteSource& source() const { return source_; }

private:
    const ByteSource& source_;
    bool bigEndian_;
};

class FileSource : public ByteSource
{
public:
    explicit FileSource(const std::string& path) : stream_(path, std::ios::binary)
    {
        if (stream_) {
            stream_.seekg(0, std::ios::end);
            const auto end = stream_.tellg();
            size_ = end > 0 ? static_cast<std::uint64_t>(end) : 0;
        }
    }

    bool isOpen() const { return static_cast<bool>(stream_); }
    std::uint64_t size() const override { return size_; }

    bool read(std::uint64_t offset, std::size_t count, std::uint8_t* out) const override
    {
        if (offset > size_ || count > size_ - offset)
            return false;
        stream_.clear();
        stream_.seekg(static_cast<std::streamoff>(offset));
        stream_.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(count));
        return stream_.gcount() == static_cast<std::streamsize>(count);
    }

private:
    mutable std::ifstream stream_;
    std::uint64_t size_ = 0;
};

// --- PE files ---------------------------------------------------------------

constexpr std::uint32_t ResourceTypeVersion = 16;

struct Section {
    std::uint32_t virtualAddress;
    std::uint32_t virtualSize;
    std::uint32_t rawSize;
    std::uint32_t rawOffset;
};

std::optional<std::uint64_t> rvaToOffset(const std::vector<Section>& sections, std::uint32_t rva)
{
    for (const Section& s : sections) {
        const std::uint64_t extent = std::max(s.virtualSize, s.rawSize);
        if (rva >= s.virtualAddress && rva - s.virtualAddress < extent) {
            const std::uint64_t delta = rva - s.virtualAddress;
            if (delta >= s.rawSize)
                return std::nullopt; // not stored in the file
            return static_cast<std::uint64_t>(s.rawOffset) + delta;
        }
    }
    return std::nullopt;
}

// The entry of a resource directory at `directory` with the given id, or the
// first entry when `id` is empty. Returns the entry's raw offset field.
std::optional<std::uint32_t> resourceEntry(const Reader& r, std::uint64_t base,
                                           std::uint32_t directory, std::optional<std::uint32_t> id)
{
    const auto named = r.uint(base + directory + 12, 2);
    const auto ids = r.uint(base + directory + 14, 2);
    if (!named || !ids)
        return std::nullopt;
    const std::uint64_t count = *named + *ids;
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint64_t entry = base + directory + 16 + i * 8;
        const auto name = r.uint(entry, 4);
        const auto offset = r.uint(entry + 4, 4);
        if (!name || !offset)
            return std::nullopt;
        if (!id || (i >= *named && *name == *id))
            return static_cast<std::uint32_t>(*offset);
    }
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> peVersionResource(const Reader& r)
{
    const auto peOffset = r.uint(0x3C, 4);
    if (!peOffset)
        return std::nullopt;
    const auto signature = r.uint(*peOffset, 4);
    if (!signature || *signature != 0x00004550) // "PE\0\0"
        return std::nullopt;
    const std::uint64_t coff = *peOffset + 4;
    const auto sectionCount = r.uint(coff + 2, 2);
    const auto optionalSize = r.uint(coff + 16, 2);
    const std::uint64_t optional = coff + 20;
    const auto magic = r.uint(optional, 2);
    if (!sectionCount || !optionalSize || !magic)
        return std::nullopt;
    std::uint64_t directories = 0;
    std::uint64_t directoryCountAt = 0;
    if (*magic == 0x10b) { // PE32
        directoryCountAt = optional + 92;
        directories = optional + 96;
    } else if (*magic == 0x20b) { // PE32+
        directoryCountAt = optional + 108;
        directories = optional + 112;
    } else {
        return std::nullopt;
    }
    const auto directoryCount = r.uint(directoryCountAt, 4);
    if (!directoryCount || *directoryCount < 3 || directories + 24 > optional + *optionalSize)
        return std::nullopt;
    const auto resourceRva = r.uint(directories + 2 * 8, 4);
    if (!resourceRva || *resourceRva == 0)
        return std::nullopt;

    std::vector<Section> sections;
    const std::uint64_t table = optional + *optionalSize;
    for (std::uint64_t i = 0; i < *sectionCount; ++i) {
        const std::uint64_t at = table + i * 40;
        const auto virtualSize = r.uint(at + 8, 4);
        const auto virtualAddress = r.uint(at + 12, 4);
        const auto rawSize = r.uint(at + 16, 4);
        const auto rawOffset = r.uint(at + 20, 4);
        if (!virtualSize || !virtualAddress || !rawSize || !rawOffset)
            return std::nullopt;
        sections.push_back(
            {static_cast<std::uint32_t>(*virtualAddress), static_cast<std::uint32_t>(*virtualSize),
             static_cast<std::uint32_t>(*rawSize), static_cast<std::uint32_t>(*rawOffset)});
    }
    const auto base = rvaToOffset(sections, static_cast<std::uint32_t>(*resourceRva));
    if (!base)
        return std::nullopt;

    // Three levels: type (16), then the first name, then the first language.
    constexpr std::uint32_t Subdirectory = 0x80000000u;
    std::uint32_t directory = 0;
    for (int level = 0; level < 3; ++level) {
        const auto entry = resourceEntry(
            r, *base, directory,
            level == 0 ? std::optional<std::uint32_t>(ResourceTypeVersion) : std::nullopt);
        if (!entry)
            return std::nullopt;
        const bool isDirectory = (*entry & Subdirectory) != 0;
        if (isDirectory != (level < 2))
            return std::nullopt;
        directory = *entry & ~Subdirectory;
    }
    const auto dataRva = r.uint(*base + directory, 4);
    const auto dataSize = r.uint(*base + directory + 4, 4);
    if (!dataRva || !dataSize)
        return std::nullopt;
    const auto data = rvaToOffset(sections, static_cast<std::uint32_t>(*dataRva));
    if (!data)
        return std::nullopt;
    return r.bytes(*data, *dataSize);
}

// --- ELF files ----------------------------------------------------------------

std::optional<std::vector<std::uint8_t>> elfVersionResource(const ByteSource& source)
{
    std::uint8_t ident[16];
    if (!source.read(0, sizeof ident, ident))
        return std::nullopt;
    const bool wide = ident[4] == 2;
    if ((ident[4] != 1 && ident[4] != 2) || (ident[5] != 1 && ident[5] != 2))
        return std::nullopt;
    const Reader r(source, ident[5] == 2);

    const std::size_t word = wide ? 8 : 4;
    const auto sectionsAt = r.uint(wide ? 0x28 : 0x20, word);
    const auto entrySize = r.uint(wide ? 0x3A : 0x2E, 2);
    const auto count = r.uint(wide ? 0x3C : 0x30, 2);
    const auto namesIndex = r.uint(wide ? 0x3E : 0x32, 2);
    if (!sectionsAt || !entrySize || !count || !namesIndex || *namesIndex >= *count)
        return std::nullopt;
    if (*entrySize < (wide ? 0x40u : 0x28u))
        return std::nullopt;

    struct Header {
        std::uint64_t name, type, offset, size;
    };
    auto header = [&](std::uint64_t index) -> std::optional<Header> {
        const std::uint64_t at = *sectionsAt + index * *entrySize;
        const auto name = r.uint(at, 4);
        const auto type = r.uint(at + 4, 4);
        const auto offset = r.uint(at + (wide ? 0x18 : 0x10), word);
        const auto size = r.uint(at + (wide ? 0x20 : 0x14), word);
        if (!name || !type || !offset || !size)
            return std::nullopt;
        return Header{*name, *type, *offset, *size};
    };
    const auto names = header(*namesIndex);
    if (!names)
        return std::nullopt;

    constexpr std::uint64_t NoBits = 8;
    char wanted[VersionSectionName.size() + 1];
    for (std::uint64_t i = 0; i < *count; ++i) {
        const auto section = header(i);
        if (!section)
            return std::nullopt;
        if (section->name >= names->size || names->size - section->name < sizeof wanted)
            continue;
        if (!source.read(names->offset + section->name, sizeof wanted,
                         reinterpret_cast<std::uint8_t*>(wanted)))
            continue;
        if (std::string_view(wanted, VersionSectionName.size()) != VersionSectionName ||
            wanted[VersionSectionName.size()] != '\0')
            continue;
        if (section->type == NoBits)
            return std::nullopt;
        return r.bytes(section->offset, section->size);
    }
    return std::nullopt;
}

// --- The VS_VERSIONINFO tree -------------------------------------------------

// One node: its key, its value and the bytes of its children.
struct Node {
    std::u16string key;
    std::span<const std::uint8_t> value;
    bool isText = false;
    std::span<const std::uint8_t> children;
    std::size_t length = 0; // the node's own length, aligned to 4
};

std::size_t align4(std::size_t n)
{
    return (n + 3) & ~std::size_t(3);
}

std::optional<Node> parseNode(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < 6)
        return std::nullopt;
    const std::size_t length = le16(bytes.data());
    const std::size_t valueLength = le16(bytes.data() + 2);
    const std::uint16_t type = le16(bytes.data() + 4);
    if (length < 6 || length > bytes.size())
        return std::nullopt;
    const std::span<const std::uint8_t> node = bytes.first(length);

    Node n;
    std::size_t at = 6;
    for (;;) {
        if (at + 2 > node.size())
            return std::nullopt; // the key runs past the node
        const char16_t c = static_cast<char16_t>(le16(node.data() + at));
        at += 2;
        if (c == 0)
            break;
        n.key.push_back(c);
    }
    at = align4(at);
    n.isText = type == 1;
    // A text value's length counts characters; some writers count bytes.
    std::size_t valueBytes = n.isText ? valueLength * 2 : valueLength;
    if (at > node.size())
        at = node.size();
    valueBytes = std::min(valueBytes, node.size() - at);
    n.value = node.subspan(at, valueBytes);
    at = std::min(align4(at + valueBytes), node.size());
    n.children = node.subspan(at);
    n.length = std::min(align4(length), bytes.size());
    return n;
}

char16_t lowerAscii(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
}

bool sameKey(const std::u16string& a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::optional<Node> findChild(std::span<const std::uint8_t> children, std::string_view key)
{
    while (children.size() >= 6) {
        const std::optional<Node> child = parseNode(children);
        if (!child)
            return std::nullopt;
        if (sameKey(child->key, key))
            return child;
        children = children.subspan(child->length); // length >= 6: always moves on
    }
    return std::nullopt;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::u16string toUtf16(std::string_view utf8)
{
    std::u16string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        char32_t code = 0xFFFD;
        std::size_t extra = 0;
        if (c < 0x80) {
            code = c;
        } else if ((c & 0xE0) == 0xC0) {
            code = c & 0x1F;
            extra = 1;
        } else if ((c & 0xF0) == 0xE0) {
            code = c & 0x0F;
            extra = 2;
        } else if ((c & 0xF8) == 0xF0) {
            code = c & 0x07;
            extra = 3;
        }
        ++i;
        for (std::size_t k = 0; k < extra && i < utf8.size(); ++k, ++i)
            code = (code << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3F);
        if (code >= 0x10000) {
            code -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
    }
    return out;
}

// --- Writing nodes --------------------------------------------------------------

void put16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

void pad4(std::vector<std::uint8_t>& out)
{
    while (out.size() % 4 != 0)
        out.push_back(0);
}

// A node with a key, a value (its length in the header's unit) and children.
std::vector<std::uint8_t> node(std::string_view key, const std::vector<std::uint8_t>& value,
                               std::uint16_t valueLength, bool text,
                               const std::vector<std::uint8_t>& children)
{
    std::vector<std::uint8_t> out;
    put16(out, 0); // length, patched below
    put16(out, valueLength);
    put16(out, text ? 1 : 0);
    for (const char16_t c : toUtf16(key))
        put16(out, c);
    put16(out, 0);
    pad4(out);
    out.insert(out.end(), value.begin(), value.end());
    if (!children.empty()) {
        pad4(out);
        out.insert(out.end(), children.begin(), children.end());
    }
    const std::size_t length = out.size();
    out[0] = static_cast<std::uint8_t>(length & 0xFF);
    out[1] = static_cast<std::uint8_t>(length >> 8);
    pad4(out);
    return out;
}

std::string hex4(std::uint16_t v)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string s(4, '0');
    for (int i = 3; i >= 0; --i, v >>= 4)
        s[i] = digits[v & 0xF];
    return s;
}

} // namespace

bool MemorySource::read(std::uint64_t offset, std::size_t count, std::uint8_t* out) const
{
    if (offset > bytes_.size() || count > bytes_.size() - offset)
        return false;
    if (count > 0)
        std::memcpy(out, bytes_.data() + offset, count);
    return true;
}

std::optional<std::vector<std::uint8_t>> findVersionResource(const ByteSource& file)
{
    std::uint8_t magic[4];
    if (!file.read(0, sizeof magic, magic))
        return std::nullopt;
    if (magic[0] == 'M' && magic[1] == 'Z')
        return peVersionResource(Reader(file));
    if (magic[0] == 0x7F && magic[1] == 'E' && magic[2] == 'L' && magic[3] == 'F')
        return elfVersionResource(file);
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> loadVersionResource(const std::string& path)
{
    const FileSource file(path);
    if (!file.isOpen())
        return std::nullopt;
    return findVersionResource(file);
}

std::optional<VersionValue> queryVersionValue(std::span<const std::uint8_t> resource,
                                              std::string_view path)
{
    std::optional<Node> current = parseNode(resource);
    if (!current)
        return std::nullopt;
    std::size_t at = 0;
    while (at < path.size()) {
        if (path[at] == '\\') {
            ++at;
            continue;
        }
        const std::size_t end = std::min(path.find('\\', at), path.size());
        current = findChild(current->children, path.substr(at, end - at));
        if (!current)
            return std::nullopt;
        at = end;
    }
    if (current->value.empty())
        return std::nullopt;
    return VersionValue{current->value, current->isText};
}

std::string versionText(const VersionValue& value)
{
    std::string out;
    const std::span<const std::uint8_t> bytes = value.bytes;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t c = le16(bytes.data() + i);
        if (c == 0)
            break;
        if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size()) {
            const char32_t low = le16(bytes.data() + i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        appendUtf8(out, c);
    }
    return out;
}

std::optional<std::pair<std::uint16_t, std::uint16_t>>
firstTranslation(std::span<const std::uint8_t> resource)
{
    const std::optional<VersionValue> table =
        queryVersionValue(resource, "\\VarFileInfo\\Translation");
    if (!table || table->bytes.size() < 4)
        return std::nullopt;
    return std::pair{le16(table->bytes.data()), le16(table->bytes.data() + 2)};
}

std::vector<std::uint8_t> buildVersionResource(const VersionInfo& info)
{
    std::vector<std::uint8_t> fixed;
    put32(fixed, 0xFEEF04BD); // signature
    put32(fixed, 0x00010000); // structure version
    put32(fixed, (std::uint32_t(info.fileVersion[0]) << 16) | info.fileVersion[1]);
    put32(fixed, (std::uint32_t(info.fileVersion[2]) << 16) | info.fileVersion[3]);
    put32(fixed, (std::uint32_t(info.productVersion[0]) << 16) | info.productVersion[1]);
    put32(fixed, (std::uint32_t(info.productVersion[2]) << 16) | info.productVersion[3]);
    put32(fixed, 0x3F); // flags mask
    put32(fixed, 0);    // flags
    put32(fixed, 0x4);  // VOS__WINDOWS32
    put32(fixed, 0x1);  // VFT_APP
    put32(fixed, 0);    // subtype
    put32(fixed, 0);    // date
    put32(fixed, 0);

    std::vector<std::uint8_t> tables;
    for (std::size_t t = 0; t < info.translations.size() && t < info.strings.size(); ++t) {
        std::vector<std::uint8_t> strings;
        for (const auto& [name, text] : info.strings[t]) {
            std::vector<std::uint8_t> value;
            const std::u16string wide = toUtf16(text);
            for (const char16_t c : wide)
                put16(value, c);
            put16(value, 0);
            const auto entry =
                node(name, value, static_cast<std::uint16_t>(wide.size() + 1), true, {});
            strings.insert(strings.end(), entry.begin(), entry.end());
        }
        const auto [language, codePage] = info.translations[t];
        const auto table = node(hex4(language) + hex4(codePage), {}, 0, true, strings);
        tables.insert(tables.end(), table.begin(), table.end());
    }
    std::vector<std::uint8_t> translation;
    for (const auto& [language, codePage] : info.translations) {
        put16(translation, language);
        put16(translation, codePage);
    }
    const auto var =
        node("Translation", translation, static_cast<std::uint16_t>(translation.size()), false, {});
    std::vector<std::uint8_t> children = node("StringFileInfo", {}, 0, true, tables);
    const auto varFileInfo = node("VarFileInfo", {}, 0, true, var);
    children.insert(children.end(), varFileInfo.begin(), varFileInfo.end());
    return node("VS_VERSION_INFO", fixed, static_cast<std::uint16_t>(fixed.size()), false,
                children);
}

} // namespace kv
