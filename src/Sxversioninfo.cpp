#include "Sxversioninfo.h"

#include "versionresource.h"

#include <QFileInfo>

TsxVersionInfo::TsxVersionInfo(QObject* parent) : QObject(parent) {}

void TsxVersionInfo::SetFileName(const QString& name)
{
    const QFileInfo file(name);
    if (!name.isEmpty() && file.exists() && !file.isDir()) {
        fileName_ = name;
        ReadFileVersionInfo();
    } else {
        fileName_.clear();
    }
}

void TsxVersionInfo::ReadFileVersionInfo()
{
    const std::optional<std::vector<std::uint8_t>> resource =
        kv::loadVersionResource(QFile::encodeName(fileName_).toStdString());
    if (!resource || resource->empty())
        return;
    if (!kv::queryVersionValue(*resource, "\\"))
        return;
    const auto translation = kv::firstTranslation(*resource);
    if (!translation)
        return;
    const auto hex4 = [](std::uint16_t v) {
        return QStringLiteral("%1").arg(v, 4, 16, QLatin1Char('0')).toUpper();
    };
    const QString prefix =
        QStringLiteral("\\StringFileInfo\\") + hex4(translation->first) + hex4(translation->second);
    const struct {
        const char* name;
        QString* value;
    } values[] = {
        {"CompanyName", &companyName_},       {"FileDescription", &fileDescription_},
        {"FileVersion", &fileVersion_},       {"InternalName", &internalName_},
        {"LegalCopyright", &legalCopyright_}, {"OriginalFilename", &originalFilename_},
        {"ProductName", &productName_},       {"ProductVersion", &productVersion_},
    };
    for (const auto& v : values)
        *v.value = ReadStringName(*resource, prefix + QLatin1Char('\\') + QLatin1String(v.name));
}

QString TsxVersionInfo::ReadStringName(std::span<const std::uint8_t> resource, const QString& key)
{
    const std::optional<kv::VersionValue> value =
        kv::queryVersionValue(resource, key.toStdString());
    if (!value)
        return {};
    return QString::fromStdString(kv::versionText(*value));
}
