#pragma once

#include <QString>

// Shows a file to the user in the desktop's file manager, selected. Fire and forget: what the
// desktop does with the request is not reported back.
class FileRevealer {
public:
    virtual ~FileRevealer() = default;
    virtual void reveal(const QString& filePath) = 0;
};
