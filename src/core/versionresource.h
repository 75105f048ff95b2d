// Version resources in the standard VS_VERSIONINFO format: finding one in a
// Windows PE file or in an ELF executable of ours, querying its values by
// path, and building one.
//
// Everything read comes from untrusted files: every offset and size is
// checked against what is there, nothing is read twice in a loop, and no
// allocation is larger than the resource itself (capped at MaxResourceSize).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kv
{

// The section of an ELF executable that holds its version resource.
inline constexpr std::string_view VersionSectionName = ".kvversion";
inline constexpr std::size_t MaxResourceSize = 1 << 20;

// Random access to the bytes of a file (or of memory, for tests and fuzzing).
class ByteSource
{
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t size() const = 0;
    // Reads `count` bytes at `offset`; false when they are not all there.
    virtual bool read(std::uint64_t offset, std::size_t count, std::uint8_t* out) const = 0;
};

class MemorySource : public ByteSource
{
public:
    explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    std::uint64_t size() const override { return bytes_.size(); }
    bool read(std::uint64_t offset, std::size_t count, std::uint8_t* out) const override;

private:
    std::span<const std::uint8_t> bytes_;
};

// The version resource of a PE or ELF file: nullopt when there is none.
std::optional<std::vector<std::uint8_t>> findVersionResource(const ByteSource& file);

// The same for a file on disk (a relative path is resolved against the
// current working directory).
std::optional<std::vector<std::uint8_t>> loadVersionResource(const std::string& path);

// The value at `path` in a loaded resource, as VerQueryValue finds it:
// "\" is the fixed part, "\VarFileInfo\Translation" the translation table,
// "\StringFileInfo\040904E4\FileVersion" a string. Keys compare without
// regard to ASCII case. nullopt when the path is not there.
struct VersionValue {
    std::span<const std::uint8_t> bytes;
    bool isText = false; // a UTF-16 string
};
std::optional<VersionValue> queryVersionValue(std::span<const std::uint8_t> resource,
                                              std::string_view path);

// A text value as UTF-8, up to its terminating zero.
std::string versionText(const VersionValue& value);

// The first translation of a resource: language and code page.
std::optional<std::pair<std::uint16_t, std::uint16_t>>
firstTranslation(std::span<const std::uint8_t> resource);

// --- Building a resource --------------------------------------------------

struct VersionInfo {
    std::uint16_t fileVersion[4] = {0, 0, 0, 0};
    std::uint16_t productVersion[4] = {0, 0, 0, 0};
    std::vector<std::pair<std::uint16_t, std::uint16_t>> translations; // language, code page
    // One string table per translation, in the same order: name, UTF-8 value.
    std::vector<std::vector<std::pair<std::string, std::string>>> strings;
};

std::vector<std::uint8_t> buildVersionResource(const VersionInfo& info);

} // namespace kv
