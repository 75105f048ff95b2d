// Changes the working directory for one test and always changes it back,
// whether the test passes or fails.
#pragma once

#include <QDir>

namespace testing
{

class WorkingDirectory
{
public:
    explicit WorkingDirectory(const QString& path) : saved_(QDir::currentPath())
    {
        QDir::setCurrent(path);
    }
    ~WorkingDirectory() { QDir::setCurrent(saved_); }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    QString saved_;
};

} // namespace testing
