// Fuzz target: the version-resource reader on hostile PE and ELF files, and
// on a hostile resource block itself.
#include "versionresource.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    const char* paths[] = {"\\", "\\VarFileInfo\\Translation",
                           "\\StringFileInfo\\040904E4\\FileVersion",
                           "\\StringFileInfo\\040904E4\\ProductName"};

    auto check = [&](std::span<const std::uint8_t> resource) {
        for (const char* path : paths) {
            const auto value = kv::queryVersionValue(resource, path);
            if (!value)
                continue;
            // Every value lies inside the resource.
            if (value->bytes.data() < resource.data() ||
                value->bytes.data() + value->bytes.size() > resource.data() + resource.size())
                std::abort();
            (void)kv::versionText(*value);
        }
        (void)kv::firstTranslation(resource);
    };

    if (const auto resource = kv::findVersionResource(kv::MemorySource(bytes))) {
        if (resource->size() > kv::MaxResourceSize || resource->size() > size)
            std::abort();
        check(*resource);
    }
    check(bytes);
    return 0;
}
