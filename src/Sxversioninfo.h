// Reads the version resource of an executable file and exposes its
// standard text values. Every failure is silent: the values keep what the
// last successful read found.
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <span>

class TsxVersionInfo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString CompanyName READ CompanyName)
    Q_PROPERTY(QString FileDescription READ FileDescription)
    Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
    Q_PROPERTY(QString FileVersion READ FileVersion)
    Q_PROPERTY(QString InternalName READ InternalName)
    Q_PROPERTY(QString LegalCopyright READ LegalCopyright)
    Q_PROPERTY(QString OriginalFilename READ OriginalFilename)
    Q_PROPERTY(QString ProductName READ ProductName)
    Q_PROPERTY(QString ProductVersion READ ProductVersion)

public:
    explicit TsxVersionInfo(QObject* parent = nullptr);

    QString CompanyName() const { return companyName_; }
    QString FileDescription() const { return fileDescription_; }
    QString FileName() const { return fileName_; }
    QString FileVersion() const { return fileVersion_; }
    QString InternalName() const { return internalName_; }
    QString LegalCopyright() const { return legalCopyright_; }
    QString OriginalFilename() const { return originalFilename_; }
    QString ProductName() const { return productName_; }
    QString ProductVersion() const { return productVersion_; }

    // Stores the name of an existing file (a bare name is looked up in the
    // current working directory) and reads its resource; for anything else
    // the name becomes empty and nothing is read.
    void SetFileName(const QString& name);

    // Reads the resource of FileName into the eight values.
    void ReadFileVersionInfo();

    // One string value of a loaded resource by its key path; empty when the
    // path is not there.
    static QString ReadStringName(std::span<const std::uint8_t> resource, const QString& key);

private:
    QString companyName_;
    QString fileDescription_;
    QString fileName_;
    QString fileVersion_;
    QString internalName_;
    QString legalCopyright_;
    QString originalFilename_;
    QString productName_;
    QString productVersion_;
};
